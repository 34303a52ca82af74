#pragma once

#include <QPlainTextDocumentLayout>

// Lays out the text of the live edit window as the view draws the field and the printer prints it: a line
// breaks only at blanks, a word too long for the line stands alone on it, and the lines stand within the
// field's text insets, the first one at the window's top.
class FieldTextLayout : public QPlainTextDocumentLayout {
    Q_OBJECT

public:
    explicit FieldTextLayout(QTextDocument* document);

    // The window's width and height and the pixels between its edges and the text; a negative inset lets
    // the text run past the edge.
    void SetTextArea(double width, double height, double leftInset, double rightInset);

    QRectF blockBoundingRect(const QTextBlock& block) const override;
    // Whether some of the text lies beyond the lines laid out: a text far longer than the window can show
    // is laid out only as far as the window reaches, with room to spare.
    bool LeavesTextOut() const;

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override;

private:
    double LineAdvance() const;
    bool IsLaidOut(const QTextBlock& block) const;
    void LayOut(const QTextBlock& block) const;

    double m_width = 0;
    double m_height = 0;
    double m_left = 0;
    double m_right = 0;
};
