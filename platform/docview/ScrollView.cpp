#include "platform/docview/ScrollView.h"

#include "platform/gdi/Dc.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <cmath>

namespace platform {

namespace {

QSize orTenthOf(QSize size, QSize whole)
{
    return size.isEmpty() ? QSize(whole.width() / 10, whole.height() / 10) : size;
}

int rounded(double value)
{
    return int(std::lround(value));
}

}  // namespace

ScrollView::ScrollView(QWidget* parent) : View(parent) {}

void ScrollView::SetScrollSizes(MapMode mode, QSize total, QSize page, QSize line)
{
    m_mapMode = mode;
    m_total = total;
    m_page = orTenthOf(page, total);
    m_line = orTenthOf(line, m_page);
    updateScrollBars();
    viewport()->update();
}

QPoint ScrollView::GetScrollPosition() const
{
    const QPointF logical = pageMapper().toLogical(QPointF(GetDeviceScrollPosition()));
    return {rounded(logical.x()), rounded(logical.y())};
}

QPoint ScrollView::GetDeviceScrollPosition() const
{
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

void ScrollView::ScrollToPosition(QPoint logical)
{
    const QPointF device = pageMapper().toDevice(QPointF(logical));
    horizontalScrollBar()->setValue(rounded(device.x()));
    verticalScrollBar()->setValue(rounded(device.y()));
}

void ScrollView::OnMouseWheel(QWheelEvent* event)
{
    wheelEvent(event);
}

Mapper ScrollView::ViewMapper() const
{
    Mapper mapper = pageMapper();
    mapper.setViewportOrigin(-QPointF(GetDeviceScrollPosition()));
    return mapper;
}

void ScrollView::OnPrepareDC(Dc& dc)
{
    dc.mapper().setMapMode(m_mapMode);
    dc.mapper().setViewportOrigin(-QPointF(GetDeviceScrollPosition()));
}

void ScrollView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    Dc dc(painter, event->region());
    OnPrepareDC(dc);
    OnDraw(dc);
}

void ScrollView::resizeEvent(QResizeEvent* event)
{
    View::resizeEvent(event);
    updateScrollBars();
}

// Scrolling moves what is drawn and every child window with it, as Windows scrolls a window.
void ScrollView::scrollContentsBy(int dx, int dy)
{
    viewport()->scroll(dx, dy);
}

Mapper ScrollView::pageMapper() const
{
    Mapper mapper = Mapper::forDevice(*viewport());
    mapper.setMapMode(m_mapMode);
    return mapper;
}

QSize ScrollView::toDevice(QSize logical) const
{
    const Mapper mapper = pageMapper();
    return {rounded(logical.width() * mapper.pixelsPerUnitX()),
            rounded(logical.height() * mapper.pixelsPerUnitY())};
}

void ScrollView::updateScrollBars()
{
    const QSize total = toDevice(m_total);
    const QSize page = toDevice(m_page);
    const QSize line = toDevice(m_line);
    const QSize visible = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, total.width() - visible.width()));
    horizontalScrollBar()->setPageStep(std::max(1, page.width()));
    horizontalScrollBar()->setSingleStep(std::max(1, line.width()));
    verticalScrollBar()->setRange(0, std::max(0, total.height() - visible.height()));
    verticalScrollBar()->setPageStep(std::max(1, page.height()));
    verticalScrollBar()->setSingleStep(std::max(1, line.height()));
}

}  // namespace platform
