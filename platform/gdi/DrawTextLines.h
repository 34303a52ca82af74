#pragma once

#include <QStringList>
#include <QStringView>
#include <functional>
#include <limits>

namespace platform {

// The width of a piece of text in logical units.
using TextWidth = std::function<double(QStringView)>;

// A tab stands for one blank wherever it is: it is measured and drawn as a blank of its font, never expanded
// to a tab stop, and the stored text keeps it. Unlike a blank, a line never breaks at it.
QString tabsAsBlanks(QStringView text);
// Where `line` ends without the blanks and tabs after its last visible character: those hang past the edge
// of the line, as in a word processor, so that they neither move nor break it.
qsizetype visibleEnd(QStringView line);

// As many lines as the text breaks into.
constexpr qsizetype kAllLines = std::numeric_limits<qsizetype>::max();
// More characters than any line of a box can show, however small its font: a longer line (one word that
// runs past its box) needs no more of its characters laid out to look the same.
constexpr qsizetype kLongestShownLine = 4096;

// The lines DrawText draws for `text` in a rectangle `width` logical units wide, by the DrawTextFormat flags
// `format` (only SingleLine, WordBreak and BreakLongWords matter here).
//
// - Every CR LF, lone CR and lone LF ends a line, so n line ends give n + 1 lines: a final line end is
//   followed by an empty line, and an empty text is one empty line. With SingleLine the text is one line and
//   its line end characters are left out.
// - With WordBreak a line is broken before the first word that would pass the right edge. Words are separated
//   by blanks and only there can a line break; the blanks at a break are dropped, so the next line starts
//   with the next word. A word longer than the width is never split: it stands alone on its line and runs
//   past the edge, unless BreakLongWords breaks it after its last character that fits. Blanks at the start of
//   a line after a line end, and blanks after the last word, stay; blanks and tabs after a line's last
//   visible character never break it.
//
// With `mostLines` the lines end after that many: a text far longer than its box is broken no further than
// the box can show.
QStringList drawTextLines(QStringView text, unsigned format, double width, const TextWidth& widthOf,
                          qsizetype mostLines = kAllLines);

// One line of a paragraph broken as WordBreak breaks it: from `start` up to `end`, after its last word; the
// blanks at the break, from `end` to the next line's start, are not drawn.
struct WrappedLine {
    qsizetype start;
    qsizetype end;
};
// What becomes of a word wider than the whole line: drawn text lets it run past the edge; an edit control
// breaks it after the last character that fits, and the rest of the word goes on on the next line.
enum class LongWords { RunPast, Break };
// The lines of one paragraph (a text without line ends) `width` logical units wide, broken at blanks, and
// within a word too long for a line as `longWords` says; no more than `mostLines` of them.
QList<WrappedLine> wrapParagraph(QStringView paragraph, double width, const TextWidth& widthOf,
                                 qsizetype mostLines = kAllLines, LongWords longWords = LongWords::RunPast);

}  // namespace platform
