#include "platform/gdi/Mapper.h"

#include <QPaintDevice>

namespace platform {

namespace {
constexpr double TenthsOfMmPerInch = 254.0;
constexpr double HundredthsOfMmPerInch = 2540.0;
}  // namespace

Mapper::Mapper(double dpiX, double dpiY) : m_dpiX(dpiX), m_dpiY(dpiY) {}

Mapper Mapper::forDevice(const QPaintDevice& device)
{
    return Mapper(device.logicalDpiX(), device.logicalDpiY());
}

Mapper Mapper::onPaper()
{
    Mapper paper(kPaperDotsPerInch, kPaperDotsPerInch);
    paper.setMapMode(MapMode::LoMetric);
    return paper;
}

double Mapper::pixelsPerUnitX() const
{
    return m_mode == MapMode::LoMetric ? m_scale * m_dpiX / TenthsOfMmPerInch : m_scale;
}

double Mapper::pixelsPerUnitY() const
{
    return m_mode == MapMode::LoMetric ? m_scale * m_dpiY / TenthsOfMmPerInch : m_scale;
}

QPointF Mapper::toDevice(QPointF logical) const
{
    return {m_viewportOrigin.x() + logical.x() * pixelsPerUnitX(),
            m_viewportOrigin.y() + yDirection() * logical.y() * pixelsPerUnitY()};
}

QPointF Mapper::toLogical(QPointF device) const
{
    return {(device.x() - m_viewportOrigin.x()) / pixelsPerUnitX(),
            yDirection() * (device.y() - m_viewportOrigin.y()) / pixelsPerUnitY()};
}

QRectF Mapper::toDevice(const Rect& rect) const
{
    return QRectF(toDevice(QPointF(rect.left, rect.top)), toDevice(QPointF(rect.right, rect.bottom)))
        .normalized();
}

QTransform Mapper::transform() const
{
    return QTransform(pixelsPerUnitX(), 0, 0, yDirection() * pixelsPerUnitY(), m_viewportOrigin.x(),
                      m_viewportOrigin.y());
}

QPointF Mapper::himetricToDevice(QPointF hundredthsOfMm) const
{
    return {hundredthsOfMm.x() * m_dpiX / HundredthsOfMmPerInch,
            hundredthsOfMm.y() * m_dpiY / HundredthsOfMmPerInch};
}

QPointF Mapper::deviceToHimetric(QPointF devicePixels) const
{
    return {devicePixels.x() * HundredthsOfMmPerInch / m_dpiX,
            devicePixels.y() * HundredthsOfMmPerInch / m_dpiY};
}

}  // namespace platform
