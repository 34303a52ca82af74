#pragma once

// What the print tests of every form share: where a field's text is placed on paper, and reading that back
// from the PDF that form-inspect --print writes through the program's own print step.

#include "forms/common/FormFieldTable.h"
#include "tests/forms/FormInspectPrint.h"
#include "tests/platform/InkBox.h"
#include "tests/support/PdfWords.h"

#include <gtest/gtest.h>
#include <QStringList>
#include <cstdint>
#include <optional>

// The printer font heights of the start flags' sizes 2 and 3 ("PFont2", "PFont3"), in tenths of a millimetre.
inline int printerFontHeight(int size, int factor)
{
    return (size == 2 ? 36 : 42) * factor / 100;
}

// A value of the print table scaled by a print-area factor in per mille.
inline int scaled(int value, int factor)
{
    return int(std::int64_t{value} * factor / 1000);
}

// The rectangle a field's text is placed in, y upwards, in tenths of a millimetre of the printable area.
struct Placed {
    int left, top, right, bottom;
};

// A print table row at the origin (x0, y0), moved by (dx, dy), scaled by the print-area factors.
inline Placed placedRow(const FormRect& row, int x0, int y0, int dx, int dy, int areaHorizontal,
                        int areaVertical)
{
    return {scaled(x0 + row.left + dx, areaHorizontal), scaled(y0 - row.top + dy, areaVertical),
            scaled(x0 + row.right + dx, areaHorizontal), scaled(y0 - row.bottom + dy, areaVertical)};
}

// A text found on paper in the box from `left` to `right` whose first line starts at `top`, all in
// millimetres from the page's top-left corner: left-aligned texts stand 1 mm in from the left edge,
// right-aligned ones 1.2 mm in from the right, centred ones in the middle; the top of the text is the top of
// the box.
inline void expectAlignedInBox(const QRectF& found, double left, double top, double right,
                               std::uint16_t alignment, double tolerance)
{
    if (alignment == kFieldAlignLeft) {
        EXPECT_NEAR(found.left(), left + 1.0, tolerance);
    } else if (alignment == kFieldAlignRight) {
        EXPECT_NEAR(found.right(), right - 1.2, tolerance);
    } else {
        EXPECT_NEAR(found.center().x(), (left + right) / 2, tolerance);
    }
    EXPECT_NEAR(found.top(), top, tolerance);
}

// A field's text found on paper where its placed box puts it, aligned as its row says, in the printer font
// of `fontFactor`.
inline void expectInPlacedBox(const QRectF& found, const Placed& box, const FormFieldRow& row, int fontFactor,
                              double tolerance)
{
    expectAlignedInBox(found, box.left / 10.0, -box.top / 10.0, box.right / 10.0, row.startAlignment,
                       tolerance);
    EXPECT_NEAR(found.height(), printerFontHeight(row.startSize, fontFactor) / 10.0, tolerance);
}

// `count` lines "word1" to "wordN" with CR LF between them.
inline QString numberedLines(const QString& word, int count)
{
    QStringList list;
    for (int line = 1; line <= count; ++line) list.append(word + QString::number(line));
    return list.join("\r\n");
}

// The letter "F" found at `box` stands upright: its top bar is wide, its foot only the stem on the left.
inline void expectUprightF(const QString& pdf, const QDir& work, const QRectF& box, int page = 1)
{
    const QRect cell(int(box.left() * 10) - 2, int(box.top() * 10) - 2, int(box.width() * 10) + 4,
                     int(box.height() * 10) + 4);
    const QImage glyph = renderedPart(pdf, work, cell, page);
    ASSERT_FALSE(glyph.isNull());
    const QRect ink = inkBox(glyph);
    ASSERT_FALSE(ink.isEmpty());
    const QRect head = inkBox(glyph, QRect(0, ink.top(), glyph.width(), 3));
    const QRect foot = inkBox(glyph, QRect(0, ink.bottom() - 2, glyph.width(), 3));
    EXPECT_GT(head.width(), ink.width() * 3 / 4);
    EXPECT_LT(foot.width(), ink.width() / 2);
    EXPECT_NEAR(foot.left(), ink.left(), 1);
}

// The strike-out under the goods as it lies on the page: the row of its horizontal line and how far it runs,
// in tenths of a millimetre; found as the longest run of ink across the goods boxes in `image`, which shows
// the page from `origin` on. A row of -1 when there is none.
struct StrikeOut {
    int y = -1;
    int left = 0;
    int right = 0;
};

inline StrikeOut strikeOutIn(const QImage& image, QPoint origin)
{
    StrikeOut best;
    int bestWidth = 0;
    for (int y = 0; y < image.height(); ++y) {
        const QRect row = inkBox(image, QRect(0, y, image.width(), 1));
        int dark = 0;
        for (int x = row.left(); x <= row.right(); ++x) dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
        if (dark > bestWidth && dark > image.width() / 2) {
            bestWidth = dark;
            best = {origin.y() + y, origin.x() + row.left(), origin.x() + row.right() + 1};
        }
    }
    return best;
}

// The strike-out in the band across the goods boxes `first` to `last` from just above the last goods line
// `lastGoods` (millimetres) down 12 mm.
inline StrikeOut strikeOutBelow(const QString& pdf, const QDir& work, const Placed& first, const Placed& last,
                                const QRectF& lastGoods)
{
    const QPoint origin(first.left - 30, int(lastGoods.top() * 10) - 20);
    return strikeOutIn(renderedPart(pdf, work, QRect(origin, QSize(last.right - first.left + 60, 120))),
                       origin);
}

// The strike-out `line` runs from the left edge of goods box `first` to the right edge of `last`, as their
// texts are placed, and then down to the lower-left corner of `first`.
inline void expectStrikeOutAcross(const QString& pdf, const QDir& work, const StrikeOut& line,
                                  const Placed& first, const Placed& last)
{
    EXPECT_NEAR(line.left, first.left, 2);
    EXPECT_NEAR(line.right, last.right, 2);
    const QRect corner(first.left - 10, -first.bottom - 20, 30, 30);
    const QRect cornerInk = inkBox(renderedPart(pdf, work, corner)).translated(corner.topLeft());
    EXPECT_NEAR(cornerInk.left(), first.left, 3);
    EXPECT_NEAR(cornerInk.bottom() + 1, -first.bottom, 3);
}
