#include "platform/gdi/Dc.h"

#include "platform/gdi/DrawTextLines.h"
#include "platform/gdi/TextImages.h"

#include <QGuiApplication>
#include <QPaintEngine>
#include <QPainter>
#include <QRegion>
#include <algorithm>
#include <bit>
#include <cmath>

namespace platform {

namespace {

// Pixels between the reference point and the left end of the text.
double horizontalOffset(unsigned align, double width)
{
    if ((align & TextAlign::Center) == TextAlign::Center) return -width / 2;
    if (align & TextAlign::Right) return -width;
    return 0;
}

// Pixels between the reference point and the baseline, downwards.
double baselineOffset(unsigned align, const TextMeasures& measures)
{
    if ((align & TextAlign::Baseline) == TextAlign::Baseline) return 0;
    if (align & TextAlign::Bottom) return -measures.descent();
    return measures.ascent();
}

// Pixels between the rectangle's left edge and the line's left end.
double lineIndent(unsigned format, double rectWidth, double lineWidth)
{
    if (format & DrawTextFormat::Center) return (rectWidth - lineWidth) / 2;
    if (format & DrawTextFormat::Right) return rectWidth - lineWidth;
    return 0;
}

// Text on screen is drawn from pictures kept between paints (TextImages), where the painter maps its
// coordinates onto the device's pixels one to one, shifted by whole pixels at most. A printer, a PDF or an
// image gets its glyphs drawn each time, as they always were.
bool drawsTextFromPictures(const QPainter& painter)
{
    const QTransform transform = painter.deviceTransform();
    return painter.device()->devType() == QInternal::Widget && transform.type() <= QTransform::TxTranslate &&
           transform.dx() == std::round(transform.dx()) && transform.dy() == std::round(transform.dy());
}

}  // namespace

Dc::Dc(QPainter& painter, const QRegion& exposed)
    : m_painter(painter),
      m_mapper(Mapper::forDevice(*painter.device())),
      m_deviceTransform(painter.worldTransform())
{
    m_painter.save();
    m_font.faceName = QGuiApplication::font().family();
    // A paint on screen paints only what was exposed (a scroll step exposes a strip). The region comes from
    // the paint event, in the widget's coordinates: the paint engine's own clip is the window's, which lies
    // elsewhere for any widget not at the window's corner.
    if (!exposed.isEmpty()) m_exposed = m_deviceTransform.inverted().mapRect(QRectF(exposed.boundingRect()));
    m_drawsTextFromPictures = drawsTextFromPictures(painter);
    if (m_drawsTextFromPictures) TextImages::startPaint();
}

Dc::~Dc()
{
    m_painter.restore();
}

void Dc::selectFont(const Font& font)
{
    // Making a font is the costly part of drawing text: selecting the font in use again keeps it.
    if (font == m_font) return;
    m_font = font;
    m_realizedFont.reset();
}

void Dc::lineTo(QPoint point)
{
    if (m_exposed) {
        // A line outside what a paint on screen paints is not drawn; its pen reaches a few pixels past it.
        const double pen = m_pen.width * std::max(m_mapper.pixelsPerUnitX(), m_mapper.pixelsPerUnitY()) + 2;
        const QRectF extent =
            QRectF(m_mapper.toDevice(QPointF(m_position)), m_mapper.toDevice(QPointF(point))).normalized();
        if (!extent.adjusted(-pen, -pen, pen, pen).intersects(*m_exposed)) {
            m_position = point;
            return;
        }
    }
    usePainterTransform(m_mapper.transform() * m_deviceTransform);
    m_painter.setPen(qtPen());
    m_painter.drawLine(QPointF(m_position), QPointF(point));
    m_position = point;
}

void Dc::fillRect(const Rect& rect, ColorRef color)
{
    usePainterTransform(m_deviceTransform);
    m_painter.fillRect(m_mapper.toDevice(rect), toQColor(color));
}

void Dc::fillAround(std::span<const Rect> kept, ColorRef color)
{
    usePainterTransform(m_deviceTransform);
    const QPaintDevice& device = *m_painter.device();
    QRegion around(
        m_deviceTransform.inverted().mapRect(QRectF(0, 0, device.width(), device.height())).toAlignedRect());
    for (const Rect& rect : kept) {
        const QRectF inDevice = m_mapper.toDevice(rect);
        const QPoint topLeft(int(std::ceil(inDevice.left())), int(std::ceil(inDevice.top())));
        const QPoint bottomRight(int(std::floor(inDevice.right())) - 1,
                                 int(std::floor(inDevice.bottom())) - 1);
        around -= QRegion(QRect(topLeft, bottomRight));
    }
    for (const QRect& part : around) m_painter.fillRect(part, toQColor(color));
}

void Dc::textOut(QPoint point, const QString& text)
{
    drawLineAt(m_mapper.toDevice(point), text, m_textAlign, realizedFont().measures->width(text));
}

int Dc::drawText(const QString& text, Rect& rect, unsigned format, const LineBreaking* breaking)
{
    const RealizedFont& font = realizedFont();
    const double pixelsPerUnitX = m_mapper.pixelsPerUnitX();
    // Held while drawing: the tables may start over meanwhile.
    const std::shared_ptr<TextMeasures> measures = font.measures;
    const double advance = lineAdvancePixels(format);
    const QPointF topLeft = m_mapper.toDevice(QPointF(rect.left, rect.top));
    const qsizetype mostLines =
        format & DrawTextFormat::ShownPartOnly ? linesDownToDeviceBottom(topLeft.y(), advance) : kAllLines;
    const TextMeasures::Lines& laidOut =
        measures->lines(text, format, rect.right - rect.left, mostLines, breaking);
    const QStringList& lines = laidOut.lines;
    const double height = m_mapper.yDirection() * double(lines.size()) * advance / m_mapper.pixelsPerUnitY();
    const int signedHeight = int(std::lround(height));
    if (format & DrawTextFormat::CalcRect) {
        double widest = 0;
        for (const double width : laidOut.widths) widest = std::max(widest, width / pixelsPerUnitX);
        rect.right = rect.left + int(std::ceil(widest));
        rect.bottom = rect.top + signedHeight;
        return signedHeight;
    }
    m_painter.save();
    if (!(format & DrawTextFormat::NoClip)) {
        usePainterTransform(m_deviceTransform);
        m_painter.setClipRect(m_mapper.toDevice(rect), Qt::IntersectClip);
    }
    const double rectWidth = (rect.right - rect.left) * pixelsPerUnitX;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const double indent = lineIndent(format, rectWidth, laidOut.widths[i]);
        drawLineAt(topLeft + QPointF(indent, double(i) * advance), lines[i], TextAlign::Left | TextAlign::Top,
                   laidOut.widths[i]);
    }
    m_painter.restore();
    return signedHeight;
}

QSizeF Dc::textExtent(const QString& text) const
{
    TextMeasures& measures = *realizedFont().measures;
    return {measures.width(text) / m_mapper.pixelsPerUnitX(),
            (measures.ascent() + measures.descent()) / m_mapper.pixelsPerUnitY()};
}

TextMetrics Dc::textMetrics() const
{
    const TextMeasures& measures = *realizedFont().measures;
    const double pixelsPerUnit = m_mapper.pixelsPerUnitY();
    TextMetrics result;
    result.ascent = measures.ascent() / pixelsPerUnit;
    result.descent = measures.descent() / pixelsPerUnit;
    result.height = result.ascent + result.descent;
    result.externalLeading = std::max(0.0, measures.leading()) / pixelsPerUnit;
    return result;
}

const Dc::RealizedFont& Dc::realizedFont() const
{
    const double pixelsPerUnitX = m_mapper.pixelsPerUnitX();
    const double pixelsPerUnitY = m_mapper.pixelsPerUnitY();
    if (!m_realizedFont || m_realizedFont->pixelsPerUnitX != pixelsPerUnitX ||
        m_realizedFont->pixelsPerUnitY != pixelsPerUnitY) {
        const QFont font = toQFont(m_font, pixelsPerUnitY, m_mapper.dpiY());
        m_realizedFont.emplace(RealizedFont{font, pixelsPerUnitX, pixelsPerUnitY,
                                            TextMeasures::of(font, *m_painter.device(), pixelsPerUnitX)});
    }
    return *m_realizedFont;
}

// Setting the painter's transform makes its paint engine set up its state anew, even for the same transform.
void Dc::usePainterTransform(const QTransform& transform)
{
    if (m_painter.worldMatrixEnabled() && m_painter.worldTransform() == transform) return;
    m_painter.setWorldTransform(transform);
}

// A pen that would be thinner than a device pixel is drawn one pixel wide, dotted if asked. Wider pens are
// measured in logical units under the mapper's transform, so a printer with other resolutions across and down
// gets each line's thickness right; like Windows, they draw solid whatever their style.
QPen Dc::qtPen() const
{
    QPen pen(toQColor(m_pen.color));
    const double thinnerPixels = m_pen.width * std::min(m_mapper.pixelsPerUnitX(), m_mapper.pixelsPerUnitY());
    if (thinnerPixels > 1.0) {
        pen.setWidthF(m_pen.width);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        return pen;
    }
    pen.setCosmetic(true);
    pen.setWidth(1);
    pen.setCapStyle(Qt::FlatCap);
    if (m_pen.style == PenStyle::Dot) pen.setDashPattern({3, 3});
    return pen;
}

void Dc::drawLineAt(QPointF devicePoint, const QString& text, unsigned align, double width)
{
    const RealizedFont& font = realizedFont();
    const TextMeasures& measures = *font.measures;
    const QPointF baselineStart(horizontalOffset(align, width), baselineOffset(align, measures));
    // The text's cell around the reference point.
    QRectF cell(baselineStart - QPointF(0, measures.ascent()),
                QSizeF(width, measures.ascent() + measures.descent()));
    const bool upright = m_font.escapement == 0;
    if (upright && !showsInExposed(cell.translated(devicePoint))) return;
    const bool mayUsePicture = upright && m_drawsTextFromPictures;
    QPointF origin = baselineStart;
    usePainterTransform(m_deviceTransform);
    if (mayUsePicture) {
        // Placed at its point on the device rather than shifted there: drawn directly or from its picture,
        // the text then puts its glyphs on the same pixels.
        origin += devicePoint;
        cell.translate(devicePoint);
    } else {
        m_painter.translate(devicePoint);
        m_painter.rotate(-m_font.escapement / 10.0);
    }
    if (m_backgroundMode == BackgroundMode::Opaque) m_painter.fillRect(cell, Qt::white);
    const QColor color = toQColor(m_textColor);
    const QString drawn = tabsAsBlanks(text);
    if (mayUsePicture && TextImages::draw(m_painter, origin, drawn, font.font, color)) return;
    m_painter.setFont(font.font);
    m_painter.setPen(color);
    m_painter.drawText(origin, drawn);
}

bool Dc::showsInExposed(QRectF lineBox) const
{
    if (!m_exposed) return true;
    // Glyphs may reach past their advances and their cell (accents, slanted letters): a margin of a cell.
    const double margin = lineBox.height();
    return lineBox.adjusted(-margin, -margin, margin, margin).intersects(*m_exposed);
}

// Rounded up to a power of two, so that a text scrolled along is not broken into lines anew at every step.
qsizetype Dc::linesDownToDeviceBottom(double top, double advance) const
{
    const QPaintDevice& device = *m_painter.device();
    const double bottom =
        m_deviceTransform.inverted().mapRect(QRectF(0, 0, device.width(), device.height())).bottom();
    const auto lines = std::size_t(std::ceil(std::max(0.0, bottom - top) / advance)) + 1;
    return qsizetype(std::bit_ceil(lines));
}

double Dc::lineAdvancePixels(unsigned format) const
{
    const TextMeasures& measures = *realizedFont().measures;
    const double leading =
        (format & DrawTextFormat::ExternalLeading) ? std::max(0.0, measures.leading()) : 0.0;
    return measures.ascent() + measures.descent() + leading;
}

}  // namespace platform
