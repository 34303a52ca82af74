#include "forms/common/FormPrinting.h"

#include "app/SettingsStore.h"
#include "editor/CQeEditWindow.h"
#include "forms/common/FormDocument.h"
#include "platform/gdi/Dc.h"

#include <algorithm>

using platform::Dc;
using platform::Rect;

namespace {

constexpr int kMarkLength = 20;
constexpr int kTickLength = 40;
// The strike-out runs this far above the end of the tallest goods text: in its empty last line.
constexpr int kStrikeOutRaise = 20;

void Line(Dc& dc, QPoint from, std::initializer_list<QPoint> to)
{
    dc.moveTo(from);
    for (const QPoint& point : to) dc.lineTo(point);
}

}  // namespace

FormPrinting::FormPrinting(const SettingsStore& settings, FormDocument& document)
    : m_settings(settings), m_document(document)
{
}

const FormDefinition& FormPrinting::definition() const
{
    return m_document.definition();
}

CQeEditWindow& FormPrinting::editor() const
{
    return *m_document.FieldEditor();
}

platform::Pen FormPrinting::PrintPen()
{
    return {platform::PenStyle::Solid, 2, 0x000000};
}

void FormPrinting::PrintSheet(Dc& dc, int sheet, const PrintCalibration& calibration)
{
    m_calibration = &calibration;
    m_nPrintSheet = sheet;
    dc.setBackgroundMode(platform::BackgroundMode::Transparent);
    dc.mapper().setMapMode(platform::MapMode::LoMetric);
    editor().SetPaper(PaperOf(calibration));

    const SheetPrint& place = definition().print.forSheet(sheet);
    const PrintCalibration::Offset& margin = calibration.margin(place.marginSet);
    m_ptPrintOrigin = {margin.left + place.x, place.y - margin.top};
    if (place.pagePrinter == 2) {
        PrintPage2(dc);
    } else {
        PrintPage1(dc);
    }
}

Rect FormPrinting::GetPrintFieldRect(std::uint16_t field, int page) const
{
    const FormFieldTable& table = definition().fields;
    const std::span<const FormFieldRow> rows = page <= 1 ? table.page1 : table.page2;
    return PlacedAtOrigin(rows[field < rows.size() ? field : 0].print);
}

Rect FormPrinting::PaperRect(std::uint16_t field, int page) const
{
    return GetPrintFieldRect(field, page);
}

CQeEditWindow::Paper FormPrinting::PaperOf(const PrintCalibration& calibration) const
{
    CQeEditWindow::Paper paper;
    paper.printerFontFactor = calibration.printerFontFactor;
    paper.area = {calibration.printAreaVertical, calibration.printAreaHorizontal};
    const auto boxOf = [this](std::uint16_t field, int page) {
        const Rect rect = PaperRect(field, page);
        return CQeEditWindow::PaperBox{rect.right - rect.left, rect.top - rect.bottom};
    };
    const FormFieldTable& table = definition().fields;
    for (std::uint16_t field = 0; field < table.page1FieldCount; ++field)
        paper.fields.append(boxOf(field, 1));
    for (std::uint16_t column = 0; column < table.page2FieldCount; ++column)
        paper.columns.append(boxOf(column, 2));
    return paper;
}

Rect FormPrinting::PlacedAtOrigin(const FormRect& box) const
{
    return {m_ptPrintOrigin.x() + box.left, m_ptPrintOrigin.y() - box.top, m_ptPrintOrigin.x() + box.right,
            m_ptPrintOrigin.y() - box.bottom};
}

int FormPrinting::PrintField(Dc& dc, const Rect& rect, std::uint16_t field, std::uint16_t page)
{
    return editor().PrintField(dc, rect, field, page, false,
                               {calibration().printAreaVertical, calibration().printAreaHorizontal});
}

Rect FormPrinting::CorrectedPrintRect(std::uint16_t field) const
{
    Rect rect = GetPrintFieldRect(field, 1);
    const auto boxes = definition().boxCorrections;
    for (std::size_t box = 0; box < boxes.size(); ++box) {
        if (!boxes[box].fields.contains(field)) continue;
        const PrintCalibration::Shift& shift = calibration().boxShifts.at(box);
        return {rect.left + shift.horizontal, rect.top + shift.vertical, rect.right + shift.horizontal,
                rect.bottom + shift.vertical};
    }
    return rect;
}

int FormPrinting::PrintPage1Fields(Dc& dc, std::uint16_t first, std::uint16_t last)
{
    const std::optional<FieldRange>& goods = definition().goodsFields;
    int tallestGoods = 0;
    for (std::uint16_t field = first; field <= last; ++field) {
        const Rect rect = CorrectedPrintRect(field);
        if (goods && goods->contains(field)) {
            tallestGoods = std::min(tallestGoods, PrintGoodsField(dc, rect, field));
        } else {
            PrintField(dc, rect, field, 1);
        }
    }
    return tallestGoods;
}

int FormPrinting::PrintGoodsField(Dc& dc, const Rect& rect, std::uint16_t field)
{
    m_document.TidyFieldText(field, 1);
    return PrintField(dc, rect, field, 1);
}

void FormPrinting::StrikeOutBelowGoods(Dc& dc, int tallest, const platform::Pen& pen)
{
    const std::optional<FieldRange>& goods = definition().goodsFields;
    if (!goods || m_settings.GetProfileInt(settings::kNoPrintBNase.in(definition().fields.section)) != 0)
        return;
    const CQeEditWindow::PrintArea area{calibration().printAreaVertical, calibration().printAreaHorizontal};
    const Rect first = CQeEditWindow::ScaledToPrintArea(GetPrintFieldRect(goods->first, 1), area);
    const Rect last = CQeEditWindow::ScaledToPrintArea(GetPrintFieldRect(goods->last, 1), area);
    const int y = first.top + kStrikeOutRaise + tallest;
    dc.selectPen(pen);
    Line(dc, {first.left, y}, {{last.right, y}, {first.left, std::min(y, first.bottom)}});
}

void FormPrinting::DrawReferenceMarks(Dc& dc, const platform::Pen& pen, int x, int cornerY, int tickY)
{
    const int x0 = m_ptPrintOrigin.x() + x;
    const int y0 = m_ptPrintOrigin.y();
    dc.selectPen(pen);
    Line(dc, {x0, y0 - cornerY},
         {{x0, y0 - cornerY + kMarkLength}, {x0 + kMarkLength, y0 - cornerY + kMarkLength}});
    Line(dc, {x0, y0 - tickY}, {{x0, y0 - tickY + kTickLength}});
}
