#include "platform/gdi/Dc.h"

#include "tests/platform/InkBox.h"
#include "tests/support/PdfWords.h"

#include <gtest/gtest.h>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

using namespace platform;

namespace {

class PdfPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!hasPdfTools()) GTEST_SKIP() << "poppler-utils is not installed";
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath("form.pdf");
    }

    // An A4 page without margins, so that the painter's origin is the page's corner, drawn in the metric
    // mode.
    void print(const std::function<void(Dc&)>& draw)
    {
        QPdfWriter pdf(path);
        pdf.setResolution(1200);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&pdf);
        Dc dc(painter);
        dc.mapper().setMapMode(MapMode::LoMetric);
        dc.setBackgroundMode(BackgroundMode::Transparent);
        dc.selectFont(Font{"Arial", 40, 400, 0});
        draw(dc);
    }

    PdfWord word(const QString& text)
    {
        for (const PdfWord& box : pdfWords(path))
            if (box.text == text) return box;
        ADD_FAILURE() << "no word " << text.toStdString() << " on the page";
        return {};
    }

    QTemporaryDir dir;
    QString path;
};

}  // namespace

TEST_F(PdfPage, TextLandsAtItsPositionWithinATenthOfAMillimetre)
{
    print([](Dc& dc) {
        dc.setTextAlign(TextAlign::Left | TextAlign::Top);
        dc.textOut({250, -300}, "Zollstelle");
        dc.setTextAlign(TextAlign::Right | TextAlign::Bottom);
        dc.textOut({1800, -2000}, "Ausfuhrstaat");
    });
    // A cell of 4 mm: the box runs from the top of the cell to its bottom.
    const QRectF left = word("Zollstelle").mm;
    EXPECT_NEAR(left.left(), 25.0, 0.2);
    EXPECT_NEAR(left.top(), 30.0, 0.2);
    EXPECT_NEAR(left.bottom(), 34.0, 0.2);
    const QRectF right = word("Ausfuhrstaat").mm;
    EXPECT_NEAR(right.right(), 180.0, 0.2);
    EXPECT_NEAR(right.bottom(), 200.0, 0.2);
}

TEST_F(PdfPage, WrappedLinesReadLeftToRightAndTopDown)
{
    print([](Dc& dc) {
        Rect rect{300, -500, 550, -900};  // 25 mm: room for one word a line
        dc.drawText("Zeichen Nummern Anzahl", rect,
                    DrawTextFormat::WordBreak | DrawTextFormat::NoClip | DrawTextFormat::ExternalLeading);
    });
    const QRectF first = word("Zeichen").mm;
    const QRectF second = word("Nummern").mm;
    const QRectF third = word("Anzahl").mm;
    EXPECT_NEAR(first.left(), 30.0, 0.2);
    EXPECT_NEAR(first.top(), 50.0, 0.2);
    EXPECT_LT(first.bottom(), second.top() + 0.01);
    EXPECT_LT(second.bottom(), third.top() + 0.01);
    EXPECT_NEAR(second.left(), 30.0, 0.2);
}

TEST_F(PdfPage, GlyphsAreUprightOnTheRenderedPage)
{
    print([](Dc& dc) {
        dc.selectFont(Font{"Arial", -100, 400, 0});
        dc.setTextAlign(TextAlign::Left | TextAlign::Baseline);
        dc.textOut({300, -400}, "L");
    });
    // The page from (200, 200) in tenths of a millimetre; the baseline lies at y = 400.
    const QImage part = renderedPart(path, QDir(dir.path()), QRect(200, 200, 400, 400));
    ASSERT_FALSE(part.isNull());
    const QRect ink = inkBox(part);
    EXPECT_NEAR(ink.bottom() + 1 + 200, 400, 2);  // standing on the baseline, not hanging from it
    const QRect foot = inkBox(part, QRect(0, ink.bottom() - 4, 400, 5));
    EXPECT_GT(foot.width(), ink.width() / 2 + 10);  // the bar of the L at its foot, to the right
    EXPECT_NEAR(foot.left(), ink.left(), 1);
    const QRect head = inkBox(part, QRect(0, ink.top(), 400, 5));
    EXPECT_LT(head.width(), ink.width() / 3);  // only the stem at the top, on the left
    EXPECT_NEAR(head.left(), ink.left(), 1);
}
