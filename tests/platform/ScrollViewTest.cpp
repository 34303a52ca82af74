#include "platform/docview/ScrollView.h"

#include "platform/gdi/Dc.h"

#include <gtest/gtest.h>
#include <QScrollBar>

using namespace platform;

namespace {

// A view that remembers where its drawing put logical (0, 0). Showing it lays out its viewport and scroll
// bars at once.
class PageView : public ScrollView {
public:
    PageView()
    {
        resize(300, 200);
        SetScrollSizes(MapMode::LoMetric, {2540, 5080});  // 10 by 20 inches: 960 by 1920 pixels at 96 dpi
    }
    QPointF drawnOrigin;
    MapMode drawnMode = MapMode::Text;

protected:
    void OnDraw(Dc& dc) override
    {
        drawnOrigin = dc.mapper().toDevice(QPointF(0, 0));
        drawnMode = dc.mapper().mapMode();
    }
};

}  // namespace

TEST(ScrollView, TheScrollRangeIsThePageLessTheVisiblePart)
{
    PageView view;
    view.show();
    EXPECT_EQ(view.verticalScrollBar()->maximum(), 1920 - view.viewport()->height());
    EXPECT_EQ(view.horizontalScrollBar()->maximum(), 960 - view.viewport()->width());
    // A page a tenth of the total, a line a tenth of the page.
    EXPECT_EQ(view.verticalScrollBar()->pageStep(), 192);
    EXPECT_EQ(view.verticalScrollBar()->singleStep(), 19);
}

TEST(ScrollView, LogicalPositionsRunUpwardsFromTheTopOfThePage)
{
    PageView view;
    view.show();
    view.ScrollToPosition({254, -508});
    EXPECT_EQ(view.GetDeviceScrollPosition(), QPoint(96, 192));
    EXPECT_EQ(view.GetScrollPosition(), QPoint(254, -508));
    view.ScrollToPosition({0, -100000});
    EXPECT_EQ(view.GetDeviceScrollPosition().y(), view.verticalScrollBar()->maximum());
    view.ScrollToPosition({-50, 300});
    EXPECT_EQ(view.GetDeviceScrollPosition(), QPoint(0, 0));
}

TEST(ScrollView, DrawsInTheMetricModeFromTheScrolledOrigin)
{
    PageView view;
    view.show();
    view.ScrollToPosition({254, -254});
    view.viewport()->grab();  // draws it
    EXPECT_EQ(view.drawnMode, MapMode::LoMetric);
    EXPECT_EQ(view.drawnOrigin, QPointF(-96, -96));
    EXPECT_EQ(view.ViewMapper().toDevice(QPointF(254, -254)), QPointF(0, 0));
}

TEST(ScrollView, ChildWindowsMoveWithTheContents)
{
    PageView view;
    QWidget child(view.viewport());
    child.setGeometry(100, 150, 20, 10);
    view.show();
    view.ScrollToPosition({0, -254});
    EXPECT_EQ(child.geometry(), QRect(100, 150 - 96, 20, 10));
    view.ScrollToPosition({0, 0});
    EXPECT_EQ(child.geometry(), QRect(100, 150, 20, 10));
}
