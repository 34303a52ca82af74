#pragma once

#include "platform/gdi/TextMeasures.h"

#include <QPlainTextDocumentLayout>
#include <optional>

// Lays out the text of the live edit window in the lines the field prints in and the view draws: a line
// breaks at blanks, and a word too long for a whole line after its last character that fits, so that a
// field refuses the characters of a word that its box cannot hold. The lines stand within the field's box
// and its text insets, the first one at the window's top; a line wider than the box in the window's font
// runs past the edge its alignment does not hold.
class FieldTextLayout : public QPlainTextDocumentLayout {
    Q_OBJECT

public:
    // The document's own wrapping, with which the base class lays a block out its own way: a block laid out
    // here wraps otherwise, so that one the base class laid out again is known and laid out once more.
    static constexpr QTextOption::WrapMode kForeignWrapping = QTextOption::WrapAtWordBoundaryOrAnywhere;

    explicit FieldTextLayout(QTextDocument* document);

    // The field's box in the window: `boxLeft` pixels right of the window's left edge, `width` wide and
    // `height` high; and the pixels between its edges and the text. A negative inset lets the text run past
    // the edge.
    void SetTextArea(double boxLeft, double width, double height, double leftInset, double rightInset);
    // Where the lines break: as `breaking` breaks the text, or, without it, across the box in the window's
    // own font.
    void SetBreaking(const std::optional<platform::LineBreaking>& breaking);

    // How far the lines that stand within the box's height reach past its left and right edges, in pixels.
    struct Overflow {
        double left = 0;
        double right = 0;
    };
    Overflow LinesOverflow() const;
    // How far one line lies below the one before it, in pixels.
    double LineAdvance() const;

    QRectF blockBoundingRect(const QTextBlock& block) const override;
    // Whether some of the text lies beyond the lines laid out: a text far longer than the window can show
    // is laid out only as far as the window reaches, with room to spare.
    bool LeavesTextOut() const;

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override;

private:
    bool IsLaidOut(const QTextBlock& block) const;
    void LayOut(const QTextBlock& block) const;
    void LayOutAfresh();

    std::optional<platform::LineBreaking> m_breaking;
    double m_boxLeft = 0;
    double m_width = 0;
    double m_height = 0;
    double m_left = 0;
    double m_right = 0;
};
