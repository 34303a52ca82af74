#pragma once

#include "platform/gdi/Font.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/Mapper.h"
#include "platform/gdi/TextMeasures.h"

#include <QFontMetricsF>
#include <QPen>
#include <QPoint>
#include <QRegion>
#include <QSizeF>
#include <QString>
#include <QTransform>
#include <memory>
#include <optional>
#include <span>

class QPainter;

namespace platform {

// The one drawing surface of the forms, on screen, printer, PDF and image alike: a device context over an
// active QPainter. Methods take logical units of the mapper's map mode (0.1 mm in the metric mode) unless
// their name says device pixels. Device pixels are the painter's coordinates as they were when the Dc was
// made.
//
// Text always comes out upright: shapes go through the mapper's transform, but text is placed at its mapped
// point and drawn unmirrored, turned only by the font's escapement.
//
// It starts as a fresh Windows device context does: map mode Text, black solid pen one pixel wide, the
// application's font, text aligned left and top, black text, opaque background.
class Dc {
public:
    // `exposed` is the part of the painter's device that a paint on screen paints, in the device's
    // coordinates (the paint event's region); text and lines wholly outside it are not drawn. Without it
    // (a printer, a PDF, an image) everything is drawn.
    explicit Dc(QPainter& painter, const QRegion& exposed = {});
    ~Dc();
    Dc(const Dc&) = delete;
    Dc& operator=(const Dc&) = delete;

    Mapper& mapper() { return m_mapper; }
    const Mapper& mapper() const { return m_mapper; }

    void selectFont(const Font& font);
    const Font& font() const { return m_font; }
    void selectPen(const Pen& pen) { m_pen = pen; }
    // A combination of TextAlign flags.
    void setTextAlign(unsigned flags) { m_textAlign = flags; }
    void setTextColor(ColorRef color) { m_textColor = color; }
    void setBackgroundMode(BackgroundMode mode) { m_backgroundMode = mode; }

    void moveTo(QPoint point) { m_position = point; }
    // A line with the current pen from the current position to `point`, which becomes the current position.
    void lineTo(QPoint point);
    void fillRect(const Rect& rect, ColorRef color);
    // Fills all of the device but the rectangles `kept`, which the caller fills next: each pixel wholly
    // inside one of them is left as it is.
    void fillAround(std::span<const Rect> kept, ColorRef color);

    // Draws one line of text with its reference point at `point`, placed by the text alignment. Here and in
    // drawText a tab is drawn as a blank.
    void textOut(QPoint point, const QString& text);
    // Draws `text` into `rect` by the DrawTextFormat flags `format`, line by line from the rectangle's top,
    // each line aligned left, centred or right within it by what shows of it: the blanks after its last
    // visible character hang past the edge (the text alignment is not used). Lines as
    // drawTextLines makes them in the current font, or as `breaking` breaks the text; a line is the font's
    // cell high, plus its external leading with ExternalLeading. Without NoClip nothing is drawn outside the
    // rectangle. With CalcRect nothing is drawn: the rectangle's right edge moves to the widest line and its
    // bottom to the last line's. Returns the height of the text in logical units, signed as y runs: negative
    // in the metric mode.
    int drawText(const QString& text, Rect& rect, unsigned format, const LineBreaking* breaking = nullptr);

    // Width and cell height of one line of text.
    QSizeF textExtent(const QString& text) const;
    TextMetrics textMetrics() const;

private:
    struct RealizedFont {
        QFont font;
        double pixelsPerUnitX;
        double pixelsPerUnitY;
        // What measuring texts in it found, kept from one paint to the next.
        std::shared_ptr<TextMeasures> measures;
    };
    // The current font made for the current map mode, remade when the mode's scale has changed since.
    const RealizedFont& realizedFont() const;
    // Sets the painter's transform unless it holds it already.
    void usePainterTransform(const QTransform& transform);
    QPen qtPen() const;
    // Draws one line `width` device pixels wide whose reference point lies at `devicePoint`, placed by
    // `align` (TextAlign flags).
    void drawLineAt(QPointF devicePoint, const QString& text, unsigned align, double width);
    // Whether a line drawn there shows in the part of the device being painted.
    bool showsInExposed(QRectF lineBox) const;
    double lineAdvancePixels(unsigned format) const;
    // At least as many lines `advance` device pixels apart as can be seen from `top` down to the bottom of
    // the device, and one more that its edge may cut.
    qsizetype linesDownToDeviceBottom(double top, double advance) const;

    QPainter& m_painter;
    Mapper m_mapper;
    QTransform m_deviceTransform;
    Font m_font;
    mutable std::optional<RealizedFont> m_realizedFont;
    Pen m_pen;
    unsigned m_textAlign = TextAlign::Left | TextAlign::Top;
    ColorRef m_textColor = 0;
    BackgroundMode m_backgroundMode = BackgroundMode::Opaque;
    QPoint m_position;
    // The part of the device that a paint on screen paints, in device pixels; none when it is all of it.
    std::optional<QRectF> m_exposed;
    bool m_drawsTextFromPictures = false;
};

}  // namespace platform
