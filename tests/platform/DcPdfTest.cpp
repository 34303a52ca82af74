#include "platform/gdi/Dc.h"

#include "tests/support/PdfPageTest.h"

using namespace platform;

namespace {

// Text in Arial with a cell of 4 mm.
class PdfPage : public PdfPageTest {
protected:
    void print(const std::function<void(Dc&)>& draw)
    {
        PdfPageTest::print([&](Dc& dc) {
            dc.selectFont(Font{"Arial", 40, 400, 0});
            draw(dc);
        });
    }
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
    const QRectF left = word("Zollstelle");
    EXPECT_NEAR(left.left(), 25.0, 0.2);
    EXPECT_NEAR(left.top(), 30.0, 0.2);
    EXPECT_NEAR(left.bottom(), 34.0, 0.2);
    const QRectF right = word("Ausfuhrstaat");
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
    const QRectF first = word("Zeichen");
    const QRectF second = word("Nummern");
    const QRectF third = word("Anzahl");
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
    expectUprightL(QRect(200, 200, 400, 400));
    const QImage part = renderedPart(path, QDir(dir.path()), QRect(200, 200, 400, 400));
    EXPECT_NEAR(inkBox(part).bottom() + 1 + 200, 400, 2);  // standing on the baseline, not hanging from it
}
