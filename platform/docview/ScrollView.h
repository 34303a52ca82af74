#pragma once

#include "platform/docview/View.h"
#include "platform/gdi/Mapper.h"

#include <QPoint>
#include <QSize>

class QWheelEvent;

namespace platform {

// A view whose contents are larger than its window: scroll bars over a page measured in logical units of a
// map mode. Logical scroll positions are those of the map mode: in the metric mode y grows upwards, so a
// view scrolled down stands at a negative y. Device scroll positions are pixels from the page's top-left
// corner. Child windows of the viewport move with the contents, so a window laid over a box stays on it.
class ScrollView : public View {
    Q_OBJECT

public:
    explicit ScrollView(QWidget* parent = nullptr);

    // Sizes in logical units of `mode`. An empty page is a tenth of the total, an empty line a tenth of the
    // page.
    void SetScrollSizes(MapMode mode, QSize total, QSize page = {}, QSize line = {});
    QPoint GetScrollPosition() const;
    QPoint GetDeviceScrollPosition() const;
    // Scrolls so that the logical point lies at the window's top-left corner, as far as the scroll bars
    // reach.
    void ScrollToPosition(QPoint logical);

    // The view's own wheel scrolling, for child windows that hand their wheel turns to the view.
    void OnMouseWheel(QWheelEvent* event);

    // Logical units to viewport pixels at the current scroll position: what OnDraw's device context uses.
    Mapper ViewMapper() const;

protected:
    // Sets the map mode of the scroll sizes and moves the origin by the scroll position.
    virtual void OnPrepareDC(Dc& dc);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    // The mapper of the unscrolled page.
    Mapper pageMapper() const;
    QSize toDevice(QSize logical) const;
    void updateScrollBars();

    MapMode m_mapMode = MapMode::Text;
    QSize m_total;
    QSize m_page;
    QSize m_line;
};

}  // namespace platform
