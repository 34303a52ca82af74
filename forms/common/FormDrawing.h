#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// The printed matter of a form page as data: lines in sections of one pen, captions each with its font,
// anchor and colour. Positions are tenths of a millimetre from the sheet's top-left corner, y downwards; the
// view scales them by the zoom in 32 bits when it draws, so no zoom can overflow a stored value.

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

// A caption stands on its anchor: the bottom centre, bottom left or bottom right of its text.
enum class CaptionAnchor { BottomCentre, BottomLeft, BottomRight };

struct FormCaption {
    std::int16_t x, y;
    std::uint8_t font;  // index into the form's fonts; each form names its own
    CaptionAnchor anchor;
    std::u16string_view text;
    // COLORREF of this caption; without one the page's caption colour.
    std::optional<std::uint32_t> color = std::nullopt;
    // The view works the text out when it draws (FormView::CaptionText), as an edition mark that follows a
    // setting; `text` is then what it starts from.
    bool computed = false;
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
    std::uint32_t captionColor = 0x000000;  // COLORREF
    // Whether the form area, the span of the first section's first two lines, is filled with the form's
    // background colour; a page without it stays white.
    bool fillsFormArea = false;
};

// A page without printed matter: white, nothing drawn.
inline constexpr FormPageDrawing kBlankPage{};
