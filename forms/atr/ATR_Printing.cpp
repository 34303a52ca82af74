#include "forms/atr/ATR_Printing.h"

namespace {

constexpr std::uint16_t kFieldCount = 21;

}  // namespace

void ATR_Printing::PrintPage1(platform::Dc& dc)
{
    const PrintCalibration::Offset& margin = calibration().margin(1);
    m_ptPrintOrigin = {margin.left + 30, 10 - margin.top};
    // In the printer's thinnest pen: the corner at the top, the tick at box 12.
    DrawReferenceMarks(dc, {}, 100, 90, 2440);
    StrikeOutBelowGoods(dc, PrintPage1Fields(dc, 0, kFieldCount - 1), PrintPen());
}

void ATR_Printing::PrintPage2(platform::Dc& dc)
{
    DrawReferenceMarks(dc, {}, 10, 100, 2040);
    PrintField(dc, GetPrintFieldRect(0, 2), 0, 2);
}
