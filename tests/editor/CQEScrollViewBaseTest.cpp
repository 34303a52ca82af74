#include "editor/CQEScrollViewBase.h"

#include "tests/editor/EditorTestSupport.h"

#include <gtest/gtest.h>
#include <QScrollBar>

using settings::kATRSection;

namespace {

// A view on the A.TR. section whose zoom a test can read.
class ZoomView : public CQEScrollViewBase {
public:
    explicit ZoomView(SettingsStore& settings) : CQEScrollViewBase(settings)
    {
        m_strSection = kATRSection.toString();
        resize(300, 200);
    }
    int zoom() const { return m_nZoom; }
    bool layoutValid() const { return m_bLayoutValid != 0; }
    void markLayoutDone() { m_bLayoutValid = 1; }
};

struct ZoomCase {
    int screenHeight;
    int dotsPerInch;
    int storedZoomFactor;  // 0: none stored
    int storedOverride;    // 0: none stored
    int zoom;
    int zoomFactorLU;
    int scaledFactor;
};

class InitZoom : public ::testing::TestWithParam<ZoomCase> {};

}  // namespace

TEST_P(InitZoom, ScalesTheStoredOrDefaultStepByTheScreensDensity)
{
    const ZoomCase& c = GetParam();
    TemporarySettings settings;
    if (c.storedZoomFactor != 0)
        settings.store().WriteProfileInt(kATRSection, u"ZoomFactor", c.storedZoomFactor);
    if (c.storedOverride != 0)
        settings.store().WriteProfileInt(u"Settings", u"WinFormScaledFactorOv", c.storedOverride);
    const FakeScreen screen(c.screenHeight, c.dotsPerInch);
    ZoomView view(settings.store());
    view.InitZoom();
    EXPECT_EQ(view.zoom(), c.zoom);
    EXPECT_EQ(settings.store().GetProfileInt(kATRSection, u"ZoomFactorLU", -1), c.zoomFactorLU);
    EXPECT_EQ(settings.store().GetProfileInt(kATRSection, u"WinFormScaledFactor", -1), c.scaledFactor);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, InitZoom,
    ::testing::Values(ZoomCase{768, 96, 0, 0, 13, 13, 100},     // the usual laptop
                      ZoomCase{1080, 120, 0, 0, 13, 11, 125},   // 11 * 125 / 100, truncated
                      ZoomCase{1080, 120, 14, 0, 17, 14, 125},  // a stored step grows by the density again
                      ZoomCase{1080, 144, 0, 0, 16, 11, 150},
                      ZoomCase{1080, 110, 0, 0, 12, 11, 115},    // 114.58 rounds to 115
                      ZoomCase{2160, 192, 0, 100, 11, 11, 200},  // the override in "Settings" wins
                      ZoomCase{768, 96, 30, 0, 30, 30, 100},     // above the commands' range, kept
                      ZoomCase{768, 96, 5, 0, 5, 5, 100},        // below it, kept
                      ZoomCase{768, 96, -4, 0, 1, -4, 100},      // nothing could be seen at 0 or less
                      ZoomCase{768, 96, 13, -50, 1, 13, 100},
                      ZoomCase{768, 96, 5000, 0, 90, 5000, 100},  // beyond 16-bit coordinates
                      ZoomCase{768, 0, 0, 0, 13, 13, 100}));      // no density known: 96 dpi

TEST(InitZoom, TheOverrideCountsOnlyInTheSettingsSection)
{
    TemporarySettings settings;
    settings.store().WriteProfileInt(kATRSection, u"WinFormScaledFactorOv", 100);
    const FakeScreen screen(1080, 120);
    ZoomView view(settings.store());
    view.InitZoom();
    EXPECT_EQ(view.zoom(), 13);
}

TEST(InitZoom, TheDefaultStepFollowsTheScreenHeight)
{
    const std::pair<int, int> heightsAndSteps[] = {{300, 19}, {489, 19}, {490, 15}, {609, 15},
                                                   {610, 13}, {769, 13}, {770, 11}, {2160, 11}};
    for (const auto& [height, step] : heightsAndSteps)
        EXPECT_EQ(CQEScrollViewBase::DefaultZoomStep(height), step) << height;
}

TEST(ZoomCommands, StepByOneWriteTheZoomAndAskForANewLayoutAtTheTopOfTheForm)
{
    TemporarySettings settings;
    const FakeScreen screen(768, 96);
    ZoomView view(settings.store());
    view.InitZoom();
    view.SetScrollSizes(platform::MapMode::LoMetric, {2050 * 13 / 10, 3500 * 13 / 10});
    view.ScrollToPosition({0, -800});
    ASSERT_GT(view.verticalScrollBar()->value(), 0);
    view.markLayoutDone();

    view.OnZoomIn();
    EXPECT_EQ(view.zoom(), 14);
    EXPECT_EQ(settings.store().GetProfileInt(kATRSection, u"ZoomFactor", -1), 14);
    EXPECT_FALSE(view.layoutValid());
    EXPECT_EQ(view.GetScrollPosition(), QPoint(0, 0));

    view.OnZoomOut();
    view.OnZoomOut();
    EXPECT_EQ(view.zoom(), 12);
    EXPECT_EQ(settings.store().GetProfileInt(kATRSection, u"ZoomFactor", -1), 12);
}

TEST(ZoomCommands, AreEnabledWithinTheirRangeAndDoNothingBeyondIt)
{
    const struct {
        int stored;
        bool canZoomIn;
        bool canZoomOut;
    } cases[] = {{10, true, false}, {25, false, true}, {30, false, true}, {5, true, false}, {17, true, true}};
    for (const auto& c : cases) {
        TemporarySettings settings;
        settings.store().WriteProfileInt(kATRSection, u"ZoomFactor", c.stored);
        settings.store().WriteProfileInt(u"Settings", u"WinFormScaledFactorOv", 100);
        const FakeScreen screen(768, 96);
        ZoomView view(settings.store());
        view.InitZoom();
        EXPECT_EQ(view.OnUpdateZoomIn(), c.canZoomIn) << c.stored;
        EXPECT_EQ(view.OnUpdateZoomOut(), c.canZoomOut) << c.stored;
        const QByteArray before = settings.written();
        if (!c.canZoomIn) view.OnZoomIn();
        if (!c.canZoomOut) view.OnZoomOut();
        EXPECT_EQ(view.zoom(), c.stored) << c.stored;
        EXPECT_EQ(settings.written(), before) << c.stored;
        if (c.canZoomOut) {  // a stored 30 steps down to 29
            view.OnZoomOut();
            EXPECT_EQ(view.zoom(), c.stored - 1);
            EXPECT_EQ(settings.store().GetProfileInt(kATRSection, u"ZoomFactor", -1), c.stored - 1);
        }
    }
}

TEST(ZoomCommands, KeepTheZoomWithoutTheDensitySoThatItNeverGrowsFromStartToStart)
{
    const struct {
        int dotsPerInch;
        int step;
        int keptStep;
        int nextStartZoom;
    } cases[] = {
        {192, -1, 10, 20},  // 22 shown, 21 chosen: half a step, and a zoom-out keeps the smaller side
        {192, +1, 12, 24},  // 23 chosen: a zoom-in keeps the larger side
        {120, +1, 12, 15},  // 13 shown, 14 chosen: 11.2 steps
        {96, +1, 12, 12},
    };
    for (const auto& c : cases) {
        TemporarySettings settings;
        const FakeScreen screen(2160, c.dotsPerInch);
        ZoomView view(settings.store());
        view.InitZoom();
        if (c.step > 0)
            view.OnZoomIn();
        else
            view.OnZoomOut();
        EXPECT_EQ(settings.store().GetProfileInt(kATRSection, u"ZoomFactor", -1), c.keptStep)
            << c.dotsPerInch;
        ZoomView nextStart(settings.store());
        nextStart.InitZoom();
        EXPECT_EQ(nextStart.zoom(), c.nextStartZoom) << c.dotsPerInch;
    }
}
