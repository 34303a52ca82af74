#include "forms/atr/CATR_View.h"

#include "app/CQELWinAppEx.h"
#include "editor/CQELEditWindow_ATR.h"
#include "editor/TrailingWhiteSpace.h"
#include "forms/atr/CATR_Doc.h"
#include "forms/atr/CDlgAdvMarginsATR.h"
#include "forms/atr/CDlgDefaults_ATR.h"
#include "forms/common/FormCommandIds.h"
#include "platform/command/MessageMap.h"
#include "platform/gdi/Dc.h"

#include <algorithm>

using platform::Dc;
using platform::Rect;

namespace {

constexpr std::uint16_t kFieldCount = 21;
constexpr std::uint16_t kFirstGoodsField = 8;
constexpr std::uint16_t kLastGoodsField = 10;

void Line(Dc& dc, QPoint from, std::initializer_list<QPoint> to)
{
    dc.moveTo(from);
    for (const QPoint& point : to) dc.lineTo(point);
}

}  // namespace

CATR_View::CATR_View(CQELWinAppEx& app, CATR_Doc& document)
    : FormView(app, document, std::make_unique<CQELEditWindow_ATR>([this] { UpdateStatusPanes(); }, &app))
{
}

Rect CATR_View::CorrectedPrintRect(std::uint16_t field) const
{
    Rect rect = GetPrintFieldRect(field, 1);
    const bool box12 = field >= 11 && field <= 18;
    const bool box13 = field >= 19;
    if (!box12 && !box13) return rect;
    const auto correction = [this](const settings::IntValue& value) {
        return PrintCalibration::Read(app(), value, settings::kBoxCorrectionRange);
    };
    const int horizontal = correction(box12 ? settings::kATRField12HorCorr : settings::kATRField13HorCorr);
    const int vertical = correction(box12 ? settings::kATRField12VertCorr : settings::kATRField13VertCorr);
    return {rect.left + horizontal, rect.top + vertical, rect.right + horizontal, rect.bottom + vertical};
}

void CATR_View::PrintPage1(Dc& dc)
{
    m_ptPrintOrigin = {m_calibration.margin(1).left + 30, 10 - m_calibration.margin(1).top};
    const int x0 = m_ptPrintOrigin.x();
    const int y0 = m_ptPrintOrigin.y();
    // Reference marks in the printer's thinnest pen: an L of 2 mm at the top, a 4 mm tick at box 12.
    dc.selectPen({});
    Line(dc, {x0 + 100, y0 - 90}, {{x0 + 100, y0 - 70}, {x0 + 120, y0 - 70}});
    Line(dc, {x0 + 100, y0 - 2440}, {{x0 + 100, y0 - 2400}});

    CQeEditWindow& editor = FieldEditor();
    int tallestGoods = 0;
    for (std::uint16_t field = 0; field < kFieldCount; ++field) {
        const bool goods = field >= kFirstGoodsField && field <= kLastGoodsField;
        // Each goods column ends in one empty line, which the strike-out then runs through; the document
        // keeps the tidied text.
        if (goods)
            editor.SetFieldText(field, WithoutTrailingWhiteSpace(editor.GetFieldText(field, 1)) + "\r\n", 1);
        const int height = editor.PrintField(dc, CorrectedPrintRect(field), field, 1, false);
        if (goods) tallestGoods = std::min(tallestGoods, height);
    }
    if (app().GetProfileInt(settings::kNoPrintBNase.in(fieldTable().section)) == 0) {
        StrikeOutBelowGoods(dc, tallestGoods);
    }
}

void CATR_View::StrikeOutBelowGoods(Dc& dc, int tallestGoodsHeight)
{
    // The goods texts stand in the print-area scaled rectangles, so the line is placed in those: 2 mm above
    // the end of the tallest text, in its empty last line. When the goods run past the box, the diagonal
    // ends level with the line instead of climbing back to the box's corner.
    const Rect numbers = FieldEditor().ScaledToPrintArea(GetPrintFieldRect(kFirstGoodsField, 1));
    const Rect weights = FieldEditor().ScaledToPrintArea(GetPrintFieldRect(kLastGoodsField, 1));
    const int y = numbers.top + 20 + tallestGoodsHeight;
    dc.selectPen(PenOf(FormPen::Frame));
    Line(dc, {numbers.left, y}, {{weights.right, y}, {numbers.left, std::min(y, numbers.bottom)}});
}

void CATR_View::PrintPage2(Dc& dc)
{
    const int x0 = m_ptPrintOrigin.x();
    const int y0 = m_ptPrintOrigin.y();
    dc.selectPen({});
    Line(dc, {x0 + 10, y0 - 100}, {{x0 + 10, y0 - 80}, {x0 + 30, y0 - 80}});
    Line(dc, {x0 + 10, y0 - 2040}, {{x0 + 10, y0 - 2000}});
    FieldEditor().PrintField(dc, GetPrintFieldRect(0, 2), 0, 2, false);
}

void CATR_View::OnFormDefaults()
{
    RunFormDefaultsATR(app());
}

void CATR_View::OnAdvancedPrintPositions()
{
    RunAdvMarginsATR(app());
}

const platform::MessageMapBase* CATR_View::GetMessageMap() const
{
    using Map = platform::MessageMap<CATR_View>;
    static const Map map(
        FormView::GetMessageMap(),
        {
            Map::command(formcmd::kFormDefaults, &CATR_View::OnFormDefaults),
            Map::command(formcmd::kAdvancedPrintPositions, &CATR_View::OnAdvancedPrintPositions),
        });
    return &map;
}
