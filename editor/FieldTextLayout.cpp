#include "editor/FieldTextLayout.h"

#include "platform/gdi/DrawTextLines.h"

#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace {

// How a line takes exactly the characters it is given: word wrapping ends it at its last break, which is
// after its blanks, unless it ends inside a word, where Qt's word wrapping would go back to a hyphen.
QTextOption::WrapMode OwnWrapping(QStringView text, const QList<platform::WrappedLine>& lines)
{
    const bool endsInsideAWord = std::any_of(
        lines.cbegin(), lines.cend(),
        [&](const platform::WrappedLine& line) { return line.end < text.size() && text[line.end] != u' '; });
    return endsInsideAWord ? QTextOption::WrapAnywhere : QTextOption::WordWrap;
}

// More characters than the text of any box, however small its font.
constexpr int kLongestOrdinaryBlock = 65'536;

// The part of the space a line leaves beside it that lies left of it, by the alignment: like a drawn line,
// a line wider than the room for it runs past the edge its alignment does not hold.
double LeftShare(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignHCenter) return 0.5;
    if (alignment & Qt::AlignRight) return 1;
    return 0;
}

bool SameBreaking(const std::optional<platform::LineBreaking>& a,
                  const std::optional<platform::LineBreaking>& b)
{
    if (!a || !b) return !a && !b;
    return a->measures == b->measures && a->width == b->width;
}

// Where the last line laid out of a block ends: with the block's text, or before the words left out.
qsizetype LastLineEnd(QStringView text, qsizetype end)
{
    while (end < text.size() && text[end] == u' ') ++end;
    return end;
}

// A tab takes a blank's room, as where the field is drawn. The window shapes the text between tabs on its
// own, and so is it measured.
double WindowWidth(const QFontMetricsF& metrics, QStringView piece)
{
    const double blank = metrics.horizontalAdvance(u' ');
    double width = -blank;
    for (const QStringView part : piece.tokenize(u'\t'))
        width += blank + metrics.horizontalAdvance(part.toString());
    return width;
}

// Where the window puts each tab to: a blank's width after where it stands on its line. The stops are the
// block's, so a stop of another line can come first where two tabs stand less than a blank apart across;
// the tab is then narrower, never wider.
QList<QTextOption::Tab> TabStops(QStringView text, const QList<platform::WrappedLine>& lines,
                                 const QFontMetricsF& metrics)
{
    const double blank = metrics.horizontalAdvance(u' ');
    QList<QTextOption::Tab> stops;
    for (const platform::WrappedLine& line : lines) {
        double across = 0;
        for (const QStringView part : text.sliced(line.start, line.end - line.start).tokenize(u'\t')) {
            if (part.end() == text.data() + line.end) break;  // after the line's last tab
            across += metrics.horizontalAdvance(part.toString()) + blank;
            stops.append(QTextOption::Tab(across, QTextOption::LeftTab));
        }
    }
    std::sort(stops.begin(), stops.end(),
              [](const auto& a, const auto& b) { return a.position < b.position; });
    return stops;
}

// A line without the blanks and tabs it ends in: they hang past the edge and neither move nor widen it.
QStringView Shown(QStringView line)
{
    return line.first(platform::visibleEnd(line));
}

}  // namespace

FieldTextLayout::FieldTextLayout(QTextDocument* document) : QPlainTextDocumentLayout(document) {}

void FieldTextLayout::SetTextArea(double boxLeft, double width, double height, double leftInset,
                                  double rightInset)
{
    if (m_boxLeft == boxLeft && m_width == width && m_height == height && m_left == leftInset &&
        m_right == rightInset)
        return;
    m_boxLeft = boxLeft;
    m_width = width;
    m_height = height;
    m_left = leftInset;
    m_right = rightInset;
    LayOutAfresh();
}

void FieldTextLayout::SetBreaking(const std::optional<platform::LineBreaking>& breaking)
{
    if (SameBreaking(m_breaking, breaking)) return;
    m_breaking = breaking;
    LayOutAfresh();
}

// Every block is laid out afresh when it is next needed.
void FieldTextLayout::LayOutAfresh()
{
    for (QTextBlock block = document()->firstBlock(); block.isValid(); block = block.next()) {
        block.layout()->clearLayout();
        block.setLineCount(block.isVisible() ? 1 : 0);
    }
    requestUpdate();
}

// A line's blanks at its end hang past the edge: they reach past no edge.
FieldTextLayout::Overflow FieldTextLayout::LinesOverflow() const
{
    Overflow overflow;
    double top = 0;
    for (QTextBlock block = document()->firstBlock(); block.isValid() && top < m_height;
         block = block.next()) {
        top += blockBoundingRect(block).height();
        const QString text = block.text();
        const QTextLayout* layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            const QStringView shown = Shown(QStringView(text).sliced(line.textStart(), line.textLength()));
            overflow.left = std::max(overflow.left, m_boxLeft - line.x());
            overflow.right = std::max(
                overflow.right, line.cursorToX(line.textStart() + int(shown.size())) - (m_boxLeft + m_width));
        }
    }
    return overflow;
}

// The base class rounds the height of a block's last line up to whole pixels; the block ends where the line
// after it would stand.
QRectF FieldTextLayout::blockBoundingRect(const QTextBlock& block) const
{
    if (block.isValid() && !IsLaidOut(block)) LayOut(block);
    QRectF rect = QPlainTextDocumentLayout::blockBoundingRect(block);
    if (rect.isNull()) return rect;
    const QTextLayout* layout = block.layout();
    const double rounded = layout->boundingRect().height();
    rect.setHeight(rect.height() - rounded + layout->lineCount() * LineAdvance());
    return rect;
}

// Lines follow each other as the view draws them: by the font's height and leading, not rounded up to whole
// pixels, so that the lines that fit into a drawn box fit into the window laid over it.
double FieldTextLayout::LineAdvance() const
{
    const QFontMetricsF metrics(document()->defaultFont());
    return metrics.ascent() + metrics.descent() + std::max(0.0, metrics.leading());
}

void FieldTextLayout::documentChanged(int from, int charsRemoved, int charsAdded)
{
    // The base class lays a block changed in place out its own way at once, all of it: for a block longer
    // than any box can show (a hostile file's) that holds the window up for seconds. Told that everything
    // from the change on changed, it only forgets the layouts, and the block is laid out here when needed.
    if (const QTextBlock changed = document()->findBlock(from);
        changed.isValid() && changed.length() > kLongestOrdinaryBlock) {
        QPlainTextDocumentLayout::documentChanged(from, charsRemoved,
                                                  document()->characterCount() + charsAdded);
        emit documentSizeChanged(documentSize());
        return;
    }
    QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded);
    // The base class may have laid the changed block out its own way; the next look at it corrects that.
    const QTextBlock changed = document()->findBlock(from);
    if (changed.isValid() && changed.layout()->lineCount() > 0 && !IsLaidOut(changed)) {
        LayOut(changed);
        emit updateBlock(changed);
    }
}

bool FieldTextLayout::LeavesTextOut() const
{
    for (QTextBlock block = document()->firstBlock(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        const QTextLine last =
            layout->lineCount() > 0 ? layout->lineAt(layout->lineCount() - 1) : QTextLine();
        if (last.isValid() && last.textStart() + last.textLength() < block.length() - 1) return true;
    }
    return false;
}

bool FieldTextLayout::IsLaidOut(const QTextBlock& block) const
{
    const QTextLayout* layout = block.layout();
    return layout->lineCount() > 0 && layout->textOption().wrapMode() != kForeignWrapping;
}

void FieldTextLayout::LayOut(const QTextBlock& block) const
{
    const QString text = block.text();
    const double width = std::max(0.0, m_width - m_left - m_right);
    const QFontMetricsF metrics(document()->defaultFont());
    const double lineAdvance = LineAdvance();
    const auto widthOf = [&metrics](QStringView piece) { return WindowWidth(metrics, piece); };
    // Twice the lines the window can show, and more: the window's font may be drawn a little smaller than
    // its cell, and a text that needs a line more than the window has must show that it does. Before the
    // window has a height, all of them.
    const qsizetype mostLines =
        m_height > 0 ? qsizetype(std::ceil(2 * m_height / lineAdvance)) + 2 : platform::kAllLines;
    // The lines the field prints in, or, where it has no paper, the window's own; a word too long for a line
    // breaks as in an edit control, so that the room it needs counts.
    const auto paperWidthOf = [this](QStringView piece) { return m_breaking->measures->unitWidth(piece); };
    const QList<platform::WrappedLine> lines =
        m_breaking ? platform::wrapParagraph(text, m_breaking->width, paperWidthOf, mostLines,
                                             platform::LongWords::Break)
                   : platform::wrapParagraph(text, width, widthOf, mostLines, platform::LongWords::Break);
    QTextLayout* layout = block.layout();
    // The window asks a block's lines for its caret's place at every paint and key: what the lines were made
    // of is kept with them, or each question goes through all of the block's text again.
    layout->setCacheEnabled(true);
    // Each line is placed here by its alignment, by the characters it shows without the blanks it ends in;
    // the window lays its characters out from there.
    const double share = LeftShare(document()->defaultTextOption().alignment());
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(Qt::AlignLeft);
    option.setWrapMode(OwnWrapping(text, lines));
    option.setTabs(TabStops(text, lines, metrics));
    layout->setTextOption(option);

    layout->beginLayout();
    double top = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QTextLine line = layout->createLine();
        if (!line.isValid()) break;
        // A line takes the blanks at its break along, so that the next line starts with its first word; the
        // last line laid out ends with its text.
        const qsizetype next = i + 1 < lines.size() ? lines[i + 1].start : LastLineEnd(text, lines[i].end);
        const double shownWidth =
            widthOf(Shown(QStringView(text).sliced(lines[i].start, lines[i].end - lines[i].start)));
        // A line wider than the room (one character in a window narrower than it) is given room enough, so
        // that Qt takes it whole.
        line.setLeadingIncluded(true);
        line.setNumColumns(int(next - lines[i].start), std::max(width, shownWidth + 1));
        line.setPosition(QPointF(m_boxLeft + m_left + share * (width - shownWidth), top));
        top += lineAdvance;
    }
    layout->endLayout();
    const_cast<QTextBlock&>(block).setLineCount(block.isVisible() ? layout->lineCount() : 0);
}
