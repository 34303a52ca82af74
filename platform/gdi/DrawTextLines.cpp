#include "platform/gdi/DrawTextLines.h"

#include "platform/gdi/GdiTypes.h"

namespace platform {

namespace {

bool isLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}

QStringList splitAtLineEnds(QStringView text)
{
    QStringList paragraphs;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isLineEnd(text[i])) continue;
        paragraphs.append(text.sliced(start, i - start).toString());
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    paragraphs.append(text.sliced(start).toString());
    return paragraphs;
}

qsizetype skipBlanks(QStringView text, qsizetype from)
{
    while (from < text.size() && text[from] == u' ') ++from;
    return from;
}

qsizetype skipWord(QStringView text, qsizetype from)
{
    while (from < text.size() && text[from] != u' ') ++from;
    return from;
}

// Where the line starting at `start` ends: after the last word that still fits, but after at least one word.
qsizetype endOfLine(QStringView paragraph, qsizetype start, double width, const TextWidth& widthOf)
{
    qsizetype end = start;
    bool hasWord = false;
    while (end < paragraph.size()) {
        const qsizetype wordStart = skipBlanks(paragraph, end);
        if (wordStart == paragraph.size()) return paragraph.size();
        const qsizetype wordEnd = skipWord(paragraph, wordStart);
        if (hasWord && widthOf(paragraph.sliced(start, wordEnd - start)) > width) break;
        end = wordEnd;
        hasWord = true;
    }
    return end;
}

}  // namespace

QList<WrappedLine> wrapParagraph(QStringView paragraph, double width, const TextWidth& widthOf)
{
    QList<WrappedLine> lines;
    qsizetype start = 0;
    do {
        const qsizetype end = endOfLine(paragraph, start, width, widthOf);
        lines.append({start, end});
        start = skipBlanks(paragraph, end);
    } while (start < paragraph.size());
    return lines;
}

QStringList drawTextLines(QStringView text, unsigned format, double width, const TextWidth& widthOf)
{
    if (format & DrawTextFormat::SingleLine) {
        QString line = text.toString();
        line.removeIf(isLineEnd);
        return {line};
    }
    const QStringList paragraphs = splitAtLineEnds(text);
    if (!(format & DrawTextFormat::WordBreak)) return paragraphs;
    QStringList lines;
    for (const QString& paragraph : paragraphs) {
        for (const WrappedLine& line : wrapParagraph(paragraph, width, widthOf))
            lines.append(paragraph.sliced(line.start, line.end - line.start));
    }
    return lines;
}

}  // namespace platform
