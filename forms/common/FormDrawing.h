#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// The printed matter of a form page as data: lines in sections of one pen, captions each with its font and
// anchor. Positions are tenths of a millimetre from the sheet's top-left corner, y downwards; the view scales
// them by the zoom in 32 bits when it draws, so no zoom can overflow a stored value.

enum class FormPen {
    Frame,   // solid, 0.2 mm
    Thick,   // solid, 0.6 mm
    Dotted,  // dotted, the thinnest line
};

struct FormLine {
    std::int16_t x1, y1, x2, y2;
};

struct FormLineSection {
    FormPen pen;
    std::span<const FormLine> lines;
};

enum class FormFont { Title, Heading, Small, Caption };

// A caption stands on its anchor: bottom centre or bottom left of its text.
enum class CaptionAnchor { BottomCentre, BottomLeft };

struct FormCaption {
    std::int16_t x, y;
    FormFont font;
    CaptionAnchor anchor;
    std::u16string_view text;
};

// The height of a font in logical units at a zoom: zoom × numerator / denominator, truncated.
struct FormFontSpec {
    int numerator;
    int denominator;
    int weight;  // 400 normal, 700 bold
};

struct FormPageDrawing {
    std::span<const FormLineSection> lines;
    std::span<const FormCaption> captions;
};
