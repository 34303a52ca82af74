#include "platform/gdi/DrawTextLines.h"

#include "platform/gdi/GdiTypes.h"

#include <QTextBoundaryFinder>
#include <QVarLengthArray>
#include <algorithm>

namespace platform {

namespace {

bool isLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}

// Where the line that starts at `start` ends: at its line end or at the end of the text.
qsizetype lineEndFrom(QStringView text, qsizetype start)
{
    while (start < text.size() && !isLineEnd(text[start])) ++start;
    return start;
}

// Past the line end at `end`: CR LF counts as one.
qsizetype pastLineEnd(QStringView text, qsizetype end)
{
    return end + (text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n' ? 2 : 1);
}

qsizetype skipBlanks(QStringView text, qsizetype from)
{
    while (from < text.size() && text[from] == u' ') ++from;
    return from;
}

qsizetype skipWord(QStringView text, qsizetype from, qsizetype limit)
{
    while (from < limit && text[from] != u' ') ++from;
    return from;
}

// Whether the piece of the paragraph from `start` to `end` fits into `width`. No box shows a line of more
// characters than kLongestShownLine, and a hostile word of millions is not measured whole.
bool fits(QStringView paragraph, qsizetype start, qsizetype end, double width, const TextWidth& widthOf)
{
    return end - start <= kLongestShownLine && widthOf(paragraph.sliced(start, end - start)) <= width;
}

// Whether the line from `start` fits into `width` when it ends with the word that ends at `wordEnd`: tabs
// after the word's last visible character would hang past the edge.
bool wordFits(QStringView paragraph, qsizetype start, qsizetype wordEnd, double width,
              const TextWidth& widthOf)
{
    return fits(paragraph, start, start + visibleEnd(paragraph.sliced(start, wordEnd - start)), width,
                widthOf);
}

// Where a line from `start` whose first word, up to `wordEnd`, is too wide ends when that word breaks: after
// the last character that fits, but after one character at least, and never inside a character made of
// several code units (a surrogate pair, a letter with its accents). The characters are looked for in a
// stretch of the word that doubles until the line is full, so that a hostile word of millions costs each of
// its lines no more than the characters it shows.
qsizetype lastFittingCharacter(QStringView paragraph, qsizetype start, qsizetype wordEnd, double width,
                               const TextWidth& widthOf)
{
    constexpr qsizetype kFirstStretch = 64;
    const qsizetype word = wordEnd - start;
    for (qsizetype looked = std::min(word, kFirstStretch);; looked = std::min(word, 2 * looked)) {
        QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, paragraph.sliced(start, looked));
        const qsizetype first = characters.toNextBoundary();
        // The stretch's own end may cut a character: only the boundaries before it count.
        QVarLengthArray<qsizetype, 2 * kFirstStretch> later;
        for (qsizetype next = characters.toNextBoundary(); next > 0 && next < looked;
             next = characters.toNextBoundary())
            later.append(next);
        // A longer piece is never narrower: the last boundary that fits is found by halving.
        const auto beyond = std::partition_point(later.begin(), later.end(), [&](qsizetype boundary) {
            return fits(paragraph, start, start + boundary, width, widthOf);
        });
        if (beyond != later.end() || looked == word || looked > kLongestShownLine)
            return start + (beyond == later.begin() ? first : *(beyond - 1));
    }
}

// Where the line starting at `start` ends: after the last word that still fits, but after at least one word,
// or within that word when it alone is too wide and long words break.
qsizetype endOfLine(QStringView paragraph, qsizetype start, double width, const TextWidth& widthOf,
                    LongWords longWords)
{
    // A word is looked at no further than a line can show: a hostile word of millions would otherwise be
    // gone through again for each line it breaks into.
    const qsizetype farthest = std::min(paragraph.size(), start + kLongestShownLine + 1);
    qsizetype end = start;
    bool hasWord = false;
    while (end < paragraph.size()) {
        const qsizetype wordStart = skipBlanks(paragraph, end);
        if (wordStart == paragraph.size()) return paragraph.size();
        const qsizetype wordEnd = skipWord(paragraph, wordStart, farthest);
        if (wordFits(paragraph, start, wordEnd, width, widthOf)) {
            end = wordEnd;
            hasWord = true;
            continue;
        }
        if (hasWord) break;
        if (longWords == LongWords::Break)
            return lastFittingCharacter(paragraph, start, wordEnd, width, widthOf);
        return skipWord(paragraph, wordStart, paragraph.size());
    }
    return end;
}

}  // namespace

QString tabsAsBlanks(QStringView text)
{
    QString drawn = text.toString();
    drawn.replace(u'\t', u' ');
    return drawn;
}

qsizetype visibleEnd(QStringView line)
{
    qsizetype end = line.size();
    while (end > 0 && (line[end - 1] == u' ' || line[end - 1] == u'\t')) --end;
    return end;
}

QList<WrappedLine> wrapParagraph(QStringView paragraph, double width, const TextWidth& widthOf,
                                 qsizetype mostLines, LongWords longWords)
{
    QList<WrappedLine> lines;
    qsizetype start = 0;
    do {
        const qsizetype end = endOfLine(paragraph, start, width, widthOf, longWords);
        lines.append({start, end});
        start = skipBlanks(paragraph, end);
    } while (start < paragraph.size() && lines.size() < mostLines);
    return lines;
}

QStringList drawTextLines(QStringView text, unsigned format, double width, const TextWidth& widthOf,
                          qsizetype mostLines)
{
    if (format & DrawTextFormat::SingleLine) {
        QString line = text.toString();
        line.removeIf(isLineEnd);
        return {line};
    }
    QStringList lines;
    for (qsizetype start = 0;;) {
        const qsizetype end = lineEndFrom(text, start);
        const QStringView paragraph = text.sliced(start, end - start);
        if (format & DrawTextFormat::WordBreak) {
            const LongWords longWords =
                format & DrawTextFormat::BreakLongWords ? LongWords::Break : LongWords::RunPast;
            for (const WrappedLine& line :
                 wrapParagraph(paragraph, width, widthOf, mostLines - lines.size(), longWords))
                lines.append(paragraph.sliced(line.start, line.end - line.start).toString());
        } else {
            lines.append(paragraph.toString());
        }
        if (end == text.size() || lines.size() >= mostLines) return lines;
        start = pastLineEnd(text, end);
    }
}

}  // namespace platform
