#include "forms/atr/ATR_Printing.h"

#include "forms/common/FormDocument.h"

#include <algorithm>

namespace {

constexpr std::uint16_t kFieldCount = 21;

}  // namespace

void ATR_Printing::PrintPage1(platform::Dc& dc)
{
    const PrintCalibration::Offset& margin = calibration().margin(1);
    m_ptPrintOrigin = {margin.left + 30, 10 - margin.top};
    // In the printer's thinnest pen: the corner at the top, the tick at box 12.
    DrawReferenceMarks(dc, {}, 100, 90, 2440);

    const FieldRange goods = *definition().goodsFields;
    int tallestGoods = 0;
    for (std::uint16_t field = 0; field < kFieldCount; ++field) {
        const platform::Rect rect = CorrectedPrintRect(field);
        if (goods.contains(field)) {
            tallestGoods = std::min(tallestGoods, PrintGoodsField(dc, rect, field));
        } else {
            PrintField(dc, rect, field, 1);
        }
    }
    StrikeOutBelowGoods(dc, tallestGoods, PrintPen());
}

void ATR_Printing::PrintPage2(platform::Dc& dc)
{
    DrawReferenceMarks(dc, {}, 10, 100, 2040);
    PrintField(dc, GetPrintFieldRect(0, 2), 0, 2);
}
