#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QString>

class QPainter;

namespace platform {

// Lines of text drawn on screen again and again (a form's captions and field texts at every paint), kept as
// small pictures from one paint to the next: putting a line's glyphs on the screen one by one (shaping the
// text, then blending each glyph's coverage) costs several times what blending one ready picture does. A
// picture holds its glyphs at the place within a pixel where the text stands, so drawn from it they cover
// the same pixels as drawn directly; only the rounding of their smoothed edges may differ by a step.
//
// A line gets its picture the second time it is drawn: a window painted once (or a text shown once) costs
// no more time and memory than drawing its glyphs. The pictures hold a bounded number of bytes; when full,
// those not drawn in the current paint make room, and what still does not fit is drawn directly.
class TextImages {
public:
    // Starts a paint: the pictures it draws are kept at least until the next paint starts.
    static void startPaint();
    // Draws `text` in `font` and `color` with its baseline starting at `origin` from its picture, the
    // painter mapping its coordinates onto the device's pixels shifted by whole pixels at most. Returns
    // false, drawing nothing, when the caller is to draw the text itself.
    static bool draw(QPainter& painter, QPointF origin, const QString& text, const QFont& font, QColor color);

    // How many bytes of pictures all texts may hold together: enough for a form filled with text at the
    // largest zoom in a window of 1600 × 1000 pixels (about 3.5 MiB).
    static constexpr qsizetype kMostBytes = 4 * 1024 * 1024;
    static qsizetype bytesHeld();
};

}  // namespace platform
