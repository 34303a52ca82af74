#pragma once

#include "forms/common/FormDefinition.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/GdiTypes.h"

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

namespace platform {
class Dc;
}

// Draws a form's printed matter from its tables at a zoom, in the metric mode with y upwards: the grey
// beyond the sheet, the filled form area, the lines with the form's pens and the captions with its fonts.
// Table values are tenths of a millimetre of the sheet with y downwards; they are scaled in 32 bits.
class FormPageDrawer {
public:
    // Edge of the grey area beyond the sheet, in millimetres.
    static constexpr int kOutsideWidth = 400;
    static constexpr int kOutsideLength = 350;
    static constexpr platform::ColorRef kOutsideColor = 0x808080;

    using CaptionText = std::function<QString(const FormCaption&)>;

    FormPageDrawer(const FormDefinition& form, int zoom);

    // A table value at the zoom, truncated toward zero.
    int Scaled(int value) const { return value * m_zoom / 10; }
    platform::Font FontOf(std::uint8_t index) const;
    platform::Pen PenOf(FormPen pen) const;

    // What a window shows beyond the grey strips and the form area, in the window's colour: with it a paint
    // on screen covers each pixel once and needs no background painted first.
    void FillWindow(platform::Dc& dc, const FormPageDrawing& drawing, platform::ColorRef windowColor) const;
    // The strips right of and below the sheet of 205 mm × 298 mm.
    void DrawOutside(platform::Dc& dc) const;
    // The form area in the form's colour, when the page asks for it.
    void FillFormArea(platform::Dc& dc, const FormPageDrawing& drawing) const;
    // The lines and captions of a page; `text` gives each caption's text.
    void DrawPrintedMatter(platform::Dc& dc, const FormPageDrawing& drawing, const CaptionText& text) const;

private:
    std::array<platform::Rect, 2> OutsideStrips() const;
    std::optional<platform::Rect> FormArea(const FormPageDrawing& drawing) const;

    const FormDefinition& m_form;
    int m_zoom;
};
