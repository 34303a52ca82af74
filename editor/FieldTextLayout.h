#pragma once

#include <QPlainTextDocumentLayout>

// Lays out the text of the live edit window as the view draws the field and the printer prints it: a line
// breaks only at blanks, a word too long for the line stands alone on it, and the lines stand within the
// field's text insets, the first one at the window's top.
class FieldTextLayout : public QPlainTextDocumentLayout {
    Q_OBJECT

public:
    explicit FieldTextLayout(QTextDocument* document);

    // The window's width and the pixels between its edges and the text; a negative inset lets the text run
    // past the edge.
    void SetTextArea(double width, double leftInset, double rightInset);

    QRectF blockBoundingRect(const QTextBlock& block) const override;

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override;

private:
    double LineAdvance() const;
    bool IsLaidOut(const QTextBlock& block) const;
    void LayOut(const QTextBlock& block) const;

    double m_width = 0;
    double m_left = 0;
    double m_right = 0;
};
