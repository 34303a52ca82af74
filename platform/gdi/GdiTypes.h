#pragma once

#include <QColor>
#include <cstdint>

// The small value types of drawing, kept with the numbers Windows gave them, so that a form's colours, text
// alignments and text formats read the same here as in its tables.
namespace platform {

// A colour as 0x00BBGGRR.
using ColorRef = std::uint32_t;

inline QColor toQColor(ColorRef color)
{
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

inline ColorRef toColorRef(const QColor& color)
{
    return ColorRef(color.red()) | ColorRef(color.green()) << 8 | ColorRef(color.blue()) << 16;
}

// A rectangle in logical units with its four edges. In the metric mode y grows upwards, so there top >
// bottom.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

enum class PenStyle { Solid, Dot };

// Width in logical units; 0 is the thinnest line the device draws (one device pixel).
struct Pen {
    PenStyle style = PenStyle::Solid;
    int width = 0;
    ColorRef color = 0;
};

// Opaque fills the text's cell with white behind the glyphs; transparent leaves the page as it is.
enum class BackgroundMode { Opaque, Transparent };

// Where TextOut's point lies on the text: one horizontal flag combined with one vertical flag.
namespace TextAlign {
constexpr unsigned Left = 0;
constexpr unsigned Right = 2;
constexpr unsigned Center = 6;
constexpr unsigned Top = 0;
constexpr unsigned Bottom = 8;
constexpr unsigned Baseline = 24;
}  // namespace TextAlign

// The DrawText format flags the forms use.
namespace DrawTextFormat {
constexpr unsigned Left = 0x0;
constexpr unsigned Center = 0x1;
constexpr unsigned Right = 0x2;
constexpr unsigned Top = 0x0;
constexpr unsigned WordBreak = 0x10;
constexpr unsigned SingleLine = 0x20;
constexpr unsigned NoClip = 0x100;
constexpr unsigned ExternalLeading = 0x200;
constexpr unsigned CalcRect = 0x400;
// "&" is always drawn as it stands: no form text carries a mnemonic, so there is no prefix processing to turn
// off. The flag is here so that a format can be written as the forms state it.
constexpr unsigned NoPrefix = 0x800;
// The program's own, for drawing on screen and on paper: only the lines that start above the device's bottom
// edge are broken and drawn, each with no more characters than a line can show, so that a text far longer
// than its box takes no longer to draw than one that fills the window or the sheet. Whatever can be seen
// draws just as without it.
constexpr unsigned ShownPartOnly = 0x10000000;
// The program's own: a word wider than the whole line breaks after its last character that fits, as an edit
// control breaks it, instead of running past the edge.
constexpr unsigned BreakLongWords = 0x20000000;
}  // namespace DrawTextFormat

// A font's vertical measures in logical units, all positive.
struct TextMetrics {
    double height = 0;  // ascent + descent: the cell
    double ascent = 0;
    double descent = 0;
    double externalLeading = 0;
};

}  // namespace platform
