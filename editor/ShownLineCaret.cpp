#include "editor/ShownLineCaret.h"

#include "platform/gdi/DrawTextLines.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextLayout>
#include <algorithm>

namespace {

enum class CaretMove { None, Home, End, Up, Down };

struct CaretKey {
    CaretMove move;
    QTextCursor::MoveMode mode;
};

CaretKey CaretKeyOf(const QKeyEvent* event)
{
    using Key = QKeySequence::StandardKey;
    static constexpr struct {
        Key key;
        CaretKey caret;
    } kKeys[] = {
        {Key::MoveToStartOfLine, {CaretMove::Home, QTextCursor::MoveAnchor}},
        {Key::MoveToEndOfLine, {CaretMove::End, QTextCursor::MoveAnchor}},
        {Key::MoveToPreviousLine, {CaretMove::Up, QTextCursor::MoveAnchor}},
        {Key::MoveToNextLine, {CaretMove::Down, QTextCursor::MoveAnchor}},
        {Key::SelectStartOfLine, {CaretMove::Home, QTextCursor::KeepAnchor}},
        {Key::SelectEndOfLine, {CaretMove::End, QTextCursor::KeepAnchor}},
        {Key::SelectPreviousLine, {CaretMove::Up, QTextCursor::KeepAnchor}},
        {Key::SelectNextLine, {CaretMove::Down, QTextCursor::KeepAnchor}},
    };
    for (const auto& entry : kKeys)
        if (event->matches(entry.key)) return entry.caret;
    return {CaretMove::None, QTextCursor::MoveAnchor};
}

const QTextLayout* LaidOut(const QTextBlock& block)
{
    if (!block.isValid()) return nullptr;
    block.document()->documentLayout()->blockBoundingRect(block);
    const QTextLayout* layout = block.layout();
    return layout && layout->lineCount() > 0 ? layout : nullptr;
}

bool IsLastOfBlock(const QTextLine& line, const QTextBlock& block)
{
    return line.lineNumber() == block.layout()->lineCount() - 1;
}

int EndOf(const QTextLine& line)
{
    return line.textStart() + line.textLength();
}

// Where the characters a line shows end: before the blanks at its break.
int ShownEndOf(const QTextLine& line, const QTextBlock& block)
{
    if (IsLastOfBlock(line, block)) return EndOf(line);
    const QString text = block.text();
    return line.textStart() +
           int(platform::visibleEnd(QStringView(text).sliced(line.textStart(), line.textLength())));
}

}  // namespace

bool ShownLineCaret::Move(const QKeyEvent* event)
{
    const CaretKey key = CaretKeyOf(event);
    if (key.move == CaretMove::None) return false;
    const std::optional<ShownLine> shown = LineOfCaret();
    if (!shown) return false;
    QTextCursor cursor = m_edit.textCursor();
    if (key.move == CaretMove::Home) {
        cursor.setPosition(shown->block.position() + shown->line.textStart(), key.mode);
        Apply(cursor, false);
    } else if (key.move == CaretMove::End) {
        PlaceAtEnd(*shown, cursor, key.mode);
    } else {
        const double x = m_goalX.value_or(CaretX(*shown));
        if (const auto target = Neighbour(*shown, key.move == CaretMove::Up ? -1 : 1))
            PlaceOn(*target, x, cursor, key.mode);
        m_goalX = x;
    }
    return true;
}

void ShownLineCaret::Forget()
{
    if (m_moving) return;
    m_goalX.reset();
    if (!m_atLineEnd) return;
    m_atLineEnd = false;
    m_edit.setCursorWidth(1);
    m_edit.viewport()->update();
}

std::optional<ShownLineCaret::LineEndCaret> ShownLineCaret::AtLineEnd() const
{
    if (!m_atLineEnd) return std::nullopt;
    const std::optional<ShownLine> shown = LineOfCaret();
    if (!shown) return std::nullopt;
    const QPointF layoutAt = shown->block.layout()->position();
    return LineEndCaret{shown->block, QRectF(layoutAt.x() + CaretX(*shown), layoutAt.y() + shown->line.y(), 1,
                                             shown->line.height())};
}

std::optional<ShownLineCaret::ShownLine> ShownLineCaret::LineOfCaret() const
{
    const QTextCursor cursor = m_edit.textCursor();
    const QTextBlock block = cursor.block();
    const QTextLayout* layout = LaidOut(block);
    if (!layout) return std::nullopt;
    const int inBlock = cursor.position() - block.position();
    // Beyond the lines laid out of a text far longer than the window: no line shows the caret.
    if (inBlock > EndOf(layout->lineAt(layout->lineCount() - 1))) return std::nullopt;
    if (m_atLineEnd) {
        for (int i = 1; i < layout->lineCount(); ++i)
            if (layout->lineAt(i).textStart() == inBlock) return ShownLine{block, layout->lineAt(i - 1)};
    }
    const QTextLine line = layout->lineForTextPosition(inBlock);
    if (!line.isValid()) return std::nullopt;
    return ShownLine{block, line};
}

std::optional<ShownLineCaret::ShownLine> ShownLineCaret::Neighbour(const ShownLine& shown, int step) const
{
    const int index = shown.line.lineNumber() + step;
    if (index >= 0 && index < shown.block.layout()->lineCount())
        return ShownLine{shown.block, shown.block.layout()->lineAt(index)};
    const QTextBlock block = step < 0 ? shown.block.previous() : shown.block.next();
    const QTextLayout* layout = LaidOut(block);
    if (!layout) return std::nullopt;
    return ShownLine{block, layout->lineAt(step < 0 ? layout->lineCount() - 1 : 0)};
}

void ShownLineCaret::PlaceOn(const ShownLine& shown, double x, QTextCursor& cursor,
                             QTextCursor::MoveMode mode)
{
    const int shownEnd = ShownEndOf(shown.line, shown.block);
    if (x >= shown.line.cursorToX(shownEnd)) {
        PlaceAtEnd(shown, cursor, mode);
        return;
    }
    const int inBlock = std::clamp(shown.line.xToCursor(x), shown.line.textStart(), shownEnd);
    cursor.setPosition(shown.block.position() + inBlock, mode);
    Apply(cursor, false);
}

// A line that ends inside a word ends where the next one starts; the caret there shows on the line it ends.
void ShownLineCaret::PlaceAtEnd(const ShownLine& shown, QTextCursor& cursor, QTextCursor::MoveMode mode)
{
    const int shownEnd = ShownEndOf(shown.line, shown.block);
    cursor.setPosition(shown.block.position() + shownEnd, mode);
    Apply(cursor, !IsLastOfBlock(shown.line, shown.block) && shownEnd == EndOf(shown.line));
}

double ShownLineCaret::CaretX(const ShownLine& shown) const
{
    return shown.line.cursorToX(m_edit.textCursor().position() - shown.block.position());
}

void ShownLineCaret::Apply(const QTextCursor& cursor, bool atLineEnd)
{
    m_moving = true;
    m_edit.setTextCursor(cursor);
    m_moving = false;
    m_goalX.reset();
    m_atLineEnd = atLineEnd;
    // The window would draw the caret at the start of the next line.
    m_edit.setCursorWidth(atLineEnd ? 0 : 1);
    m_edit.viewport()->update();
}
