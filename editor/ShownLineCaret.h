#pragma once

#include <QRectF>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLine>
#include <optional>

class QKeyEvent;
class QPlainTextEdit;

// Moves the caret of an edit window by the lines it shows, as an edit control does: Home and End to the start
// and the end of the line shown, Up and Down to the line above or below, as near the caret's place across as
// that line allows; with Shift they select. A caret after the last character of a line broken inside a word
// stands at that line's end, though it is the place where the next line starts.
class ShownLineCaret {
public:
    explicit ShownLineCaret(QPlainTextEdit& edit) : m_edit(edit) {}

    // Moves the caret for Home, End, Up and Down, alone or with Shift. False for any other key, and where the
    // caret's line is not laid out (a text far longer than the window): the window moves it its own way.
    bool Move(const QKeyEvent* event);
    // The caret was put somewhere by other means: it stands at the start of its line again, and Up and Down
    // start from where it is.
    void Forget();
    // The block whose line the caret ends, where it stands at the end of a line broken inside a word, and the
    // caret's rectangle in that block's coordinates; nothing where the window draws the caret itself.
    struct LineEndCaret {
        QTextBlock block;
        QRectF rect;
    };
    std::optional<LineEndCaret> AtLineEnd() const;

private:
    // The line the caret shows on, and the caret's block.
    struct ShownLine {
        QTextBlock block;
        QTextLine line;
    };
    std::optional<ShownLine> LineOfCaret() const;
    std::optional<ShownLine> Neighbour(const ShownLine& shown, int step) const;
    // Where the caret goes on a line at `x` pixels across: at most after its last character shown.
    void PlaceOn(const ShownLine& shown, double x, QTextCursor& cursor, QTextCursor::MoveMode mode);
    void PlaceAtEnd(const ShownLine& shown, QTextCursor& cursor, QTextCursor::MoveMode mode);
    double CaretX(const ShownLine& shown) const;
    void Apply(const QTextCursor& cursor, bool atLineEnd);

    QPlainTextEdit& m_edit;
    bool m_atLineEnd = false;
    // Where across Up and Down aim while they follow each other.
    std::optional<double> m_goalX;
    bool m_moving = false;
};
