#pragma once

// Where a printed A.TR. put the exporter of box 1 and where a printed form put its two reference marks, read
// back from a PDF. The places are those of the form's print table, counted from `origin`: the corner of the
// printer's printable area on the sheet moved by the form's margins ("LeftMargin1", "TopMargin1"), in tenths
// of a millimetre.

#include "tests/platform/InkBox.h"
#include "tests/support/PdfWords.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QPointF>

inline constexpr double kPlaceTolerance = 0.2;  // millimetres

// "Brandel" in box 1 of the worked example: its text starts 16 mm right of the origin and 12 mm below it.
inline void expectExporterInBoxOne(const QString& pdf, QPointF origin, int page = 1)
{
    bool found = false;
    for (const PdfWord& word : pdfWords(pdf)) {
        if (word.text != "Brandel" || word.page != page) continue;
        found = true;
        EXPECT_NEAR(word.mm.left(), origin.x() / 10 + 16.0, kPlaceTolerance);
        EXPECT_NEAR(word.mm.top(), origin.y() / 10 + 12.0, kPlaceTolerance);
    }
    EXPECT_TRUE(found) << "no exporter on page " << page;
}

// Where a form's two reference marks lie from the origin, in tenths of a millimetre: the corner's left edge
// and the top of its 2 mm upright, and the top of the 4 mm tick below it at the same x.
struct ReferenceMarkPlaces {
    int x;
    int cornerTop;
    int tickTop;
};
// The A.TR.: the bar of its corner 6 mm below the origin, 13 to 15 mm right of it, the tick 239 to 243 mm
// below it.
inline constexpr ReferenceMarkPlaces kATRMarks{130, 60, 2390};

// The corner of 2 mm by 2 mm, opening downwards, and the tick of 4 mm at `marks` from the origin; each within
// a pixel or two of a tenth of a millimetre.
inline void expectReferenceMarks(const QString& pdf, const QDir& work, QPointF origin, int page = 1,
                                 ReferenceMarkPlaces marks = kATRMarks)
{
    const int x = qRound(origin.x()) + marks.x;
    const int y = qRound(origin.y()) + marks.cornerTop;
    const QImage corner = renderedPart(pdf, work, QRect(x - 20, y - 20, 60, 60), page);
    ASSERT_FALSE(corner.isNull());
    const QRect cornerInk = inkBox(corner).translated(x - 20, y - 20);
    EXPECT_NEAR(cornerInk.left(), x, 2);
    EXPECT_NEAR(cornerInk.right() + 1, x + 20, 2);
    EXPECT_NEAR(cornerInk.top(), y, 2);
    EXPECT_NEAR(cornerInk.bottom() + 1, y + 20, 2);
    const QRect bar = inkBox(corner, QRect(0, cornerInk.top() - (y - 20), 60, 1));
    EXPECT_GE(bar.width(), 18);  // the bar lies at the top: the corner opens downwards

    const int tickY = qRound(origin.y()) + marks.tickTop;
    const QImage tick = renderedPart(pdf, work, QRect(x - 10, tickY - 10, 20, 60), page);
    ASSERT_FALSE(tick.isNull());
    const QRect tickInk = inkBox(tick).translated(x - 10, tickY - 10);
    EXPECT_NEAR(tickInk.left(), x, 2);
    EXPECT_LE(tickInk.width(), 3);
    EXPECT_NEAR(tickInk.top(), tickY, 2);
    EXPECT_NEAR(tickInk.bottom() + 1, tickY + 40, 2);
}
