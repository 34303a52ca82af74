#include "forms/common/FormPageDrawer.h"

#include "platform/gdi/Dc.h"

#include <vector>

namespace {

unsigned AnchorAlignment(CaptionAnchor anchor)
{
    switch (anchor) {
        case CaptionAnchor::BottomCentre:
            return platform::TextAlign::Center;
        case CaptionAnchor::BottomRight:
            return platform::TextAlign::Right;
        case CaptionAnchor::BottomLeft:
        default:
            return platform::TextAlign::Left;
    }
}

}  // namespace

FormPageDrawer::FormPageDrawer(const FormDefinition& form, int zoom) : m_form(form), m_zoom(zoom) {}

platform::Font FormPageDrawer::FontOf(std::uint8_t index) const
{
    const FormFontSpec& size = m_form.look.fonts[index];
    return {QStringLiteral("Arial"), m_zoom * size.numerator / size.denominator, size.weight, 0};
}

platform::Pen FormPageDrawer::PenOf(FormPen pen) const
{
    const platform::ColorRef color = m_form.fields.lineColor;
    switch (pen) {
        case FormPen::Thick:
            return {platform::PenStyle::Solid, 6, color};
        case FormPen::Dotted:
            return {platform::PenStyle::Dot, 1, color};
        case FormPen::Frame:
        default:
            return {platform::PenStyle::Solid, 2, color};
    }
}

std::array<platform::Rect, 2> FormPageDrawer::OutsideStrips() const
{
    const int sheetRight = Scaled(kFormSheetWidth);
    const int sheetBottom = -Scaled(kFormSheetHeight);
    const int outsideRight = m_zoom * kOutsideWidth;
    const int outsideBottom = -m_zoom * kOutsideLength;
    return {platform::Rect{sheetRight, 0, outsideRight, outsideBottom},
            platform::Rect{0, sheetBottom, outsideRight, outsideBottom}};
}

// The form area is the span of the outer frame's first two lines.
std::optional<platform::Rect> FormPageDrawer::FormArea(const FormPageDrawing& drawing) const
{
    if (!drawing.fillsFormArea || drawing.lines.empty() || drawing.lines.front().lines.size() < 2) {
        return std::nullopt;
    }
    const auto frame = drawing.lines.front().lines;
    return platform::Rect{Scaled(frame[0].x1), -Scaled(frame[0].y1), Scaled(frame[0].x2),
                          -Scaled(frame[1].y2)};
}

void FormPageDrawer::FillWindow(platform::Dc& dc, const FormPageDrawing& drawing,
                                platform::ColorRef windowColor) const
{
    std::vector<platform::Rect> covered;
    for (const platform::Rect& strip : OutsideStrips()) covered.push_back(strip);
    if (const std::optional<platform::Rect> area = FormArea(drawing)) covered.push_back(*area);
    dc.fillAround(covered, windowColor);
}

void FormPageDrawer::DrawOutside(platform::Dc& dc) const
{
    for (const platform::Rect& strip : OutsideStrips()) dc.fillRect(strip, kOutsideColor);
}

void FormPageDrawer::FillFormArea(platform::Dc& dc, const FormPageDrawing& drawing) const
{
    if (const std::optional<platform::Rect> area = FormArea(drawing)) {
        dc.fillRect(*area, m_form.fields.pageBackground);
    }
}

void FormPageDrawer::DrawPrintedMatter(platform::Dc& dc, const FormPageDrawing& drawing,
                                       const CaptionText& text) const
{
    dc.setBackgroundMode(platform::BackgroundMode::Transparent);
    for (const FormLineSection& section : drawing.lines) {
        dc.selectPen(PenOf(section.pen));
        for (const FormLine& line : section.lines) {
            dc.moveTo({Scaled(line.x1), -Scaled(line.y1)});
            dc.lineTo({Scaled(line.x2), -Scaled(line.y2)});
        }
    }
    for (const FormCaption& caption : drawing.captions) {
        dc.selectFont(FontOf(caption.font));
        dc.setTextColor(caption.color.value_or(drawing.captionColor));
        dc.setTextAlign(AnchorAlignment(caption.anchor) | platform::TextAlign::Bottom);
        dc.textOut({Scaled(caption.x), -Scaled(caption.y)}, text(caption));
    }
}
