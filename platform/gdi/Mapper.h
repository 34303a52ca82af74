#pragma once

#include "platform/gdi/GdiTypes.h"

#include <QPointF>
#include <QRectF>
#include <QTransform>

class QPaintDevice;

namespace platform {

// The resolution every sheet is printed at, on the printer and in a PDF alike: what a text measures at it is
// what it measures on paper.
constexpr int kPaperDotsPerInch = 1200;

// How logical units become device pixels. Text: one unit is one device pixel, y downwards (a window's own
// pixels). LoMetric: one unit is 0.1 mm, y upwards (the forms' drawing and printing).
enum class MapMode { Text, LoMetric };

// The one place that owns the units: map mode, scale, and where logical (0, 0) lies on the device. Everything
// is kept in double precision, and x and y have their own factors because printers may resolve differently
// across and down the page.
class Mapper {
public:
    // Dots per inch of the device across (x) and down (y).
    Mapper(double dpiX, double dpiY);
    // The device's logical resolution, on every kind of device: it is what the painter's pixels are. On a
    // printer or PDF writer that is the resolution it was set to print at (Qt's PDF engine answers a fixed
    // 1200 for the physical one, whatever the painter draws at); on a screen it is what the desktop counts as
    // an inch; on an image its dots per metre.
    static Mapper forDevice(const QPaintDevice& device);
    // The metric mode on paper, at kPaperDotsPerInch.
    static Mapper onPaper();

    void setMapMode(MapMode mode) { m_mode = mode; }
    MapMode mapMode() const { return m_mode; }
    // Multiplies both factors; 1 is true size. The form views scale their own tables by their zoom,
    // truncating as the tables are kept, and leave this at 1.
    void setScale(double scale) { m_scale = scale; }
    double scale() const { return m_scale; }
    // The device position, in pixels, of logical (0, 0): a scrolled view moves it up and left.
    void setViewportOrigin(QPointF devicePixels) { m_viewportOrigin = devicePixels; }
    QPointF viewportOrigin() const { return m_viewportOrigin; }

    double dpiX() const { return m_dpiX; }
    double dpiY() const { return m_dpiY; }
    // +1 where logical y grows down the device, -1 where it grows up.
    double yDirection() const { return m_mode == MapMode::LoMetric ? -1.0 : 1.0; }
    // Device pixels per logical unit, always positive.
    double pixelsPerUnitX() const;
    double pixelsPerUnitY() const;

    QPointF toDevice(QPointF logical) const;
    QPointF toLogical(QPointF device) const;
    // The device rectangle covered by a logical one, with top above bottom on the device.
    QRectF toDevice(const Rect& rect) const;
    // Logical to device as a painter transform.
    QTransform transform() const;

    // Hundredths of a millimetre to device pixels and back: a pure scale by the device's resolution, signs
    // kept, whatever the map mode, scale and origin.
    QPointF himetricToDevice(QPointF hundredthsOfMm) const;
    QPointF deviceToHimetric(QPointF devicePixels) const;

private:
    double m_dpiX;
    double m_dpiY;
    MapMode m_mode = MapMode::Text;
    double m_scale = 1.0;
    QPointF m_viewportOrigin;
};

}  // namespace platform
