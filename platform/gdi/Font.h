#pragma once

#include <QFont>
#include <QHashFunctions>
#include <QString>

namespace platform {

// A font as a form asks for it.
struct Font {
    QString faceName;
    // In logical units of the context the font is drawn in. Positive: the cell height (ascent + descent).
    // Negative: the character height, the em, without the internal leading. 0: the application font's size.
    int height = 0;
    int weight = 400;  // 400 regular, 700 bold
    // Angle of the baseline in tenths of a degree, counter-clockwise as seen on the page; -150 is turned 15°
    // clockwise.
    int escapement = 0;
    friend bool operator==(const Font&, const Font&) = default;
    friend size_t qHash(const Font& font, size_t seed = 0)
    {
        return qHashMulti(seed, font.faceName, font.height, font.weight, font.escapement);
    }
};

// The Qt font that draws `font` on a device with `pixelsPerUnit` device pixels per logical unit down the page
// and `dpiY` dots per inch down the page.
//
// Qt sizes a font by its em. A positive height is a cell, so its em is the cell divided by the face's cell
// per em, (ascent + descent) / em; for Arial (and Liberation Sans) that is (1854 + 434) / 2048 = 1.1172. A
// negative height is the em itself. The font is made at a whole number of pixels per em, the most that keep
// it within what was asked: lines set a cell apart never touch, and a text is never wider than its size
// says, at whatever zoom. Kerning is off, as Windows' text output does not kern, and hinting is off, so that
// a text is as wide on screen as on paper and wraps alike.
QFont toQFont(const Font& font, double pixelsPerUnit, double dpiY);

}  // namespace platform
