#pragma once

#include <QPlainTextDocumentLayout>

// Lays out the text of the live edit window as the view draws the field and the printer prints it: a line
// breaks at blanks, and the lines stand within the field's text insets, the first one at the window's top.
// A word too long for a whole line breaks after its last character that fits, as an edit control breaks
// it, so that a field refuses the characters of a word that its box cannot hold.
class FieldTextLayout : public QPlainTextDocumentLayout {
    Q_OBJECT

public:
    // The document's own wrapping, with which the base class lays a block out its own way: a block laid out
    // here wraps otherwise, so that one the base class laid out again is known and laid out once more.
    static constexpr QTextOption::WrapMode kForeignWrapping = QTextOption::WrapAtWordBoundaryOrAnywhere;

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
