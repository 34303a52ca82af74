#include "forms/uz/UZ_Printing.h"

#include "app/SettingsStore.h"
#include "forms/common/FormDocument.h"
#include "platform/gdi/Dc.h"

using platform::Dc;
using platform::Rect;

namespace {

// The sheets of the print dialog that print page 1 with more than boxes 1 to 7.
constexpr int kApplicationFront = 2;
constexpr int kCopy = 4;

constexpr std::uint16_t kLastBoxField = 7;
constexpr std::uint16_t kApplicant = 8;
constexpr std::uint16_t kPlaceAndDate = 9;
// The places of the applicant and the date on the Hamburg chamber's edition of the form.
constexpr std::uint16_t kChamberApplicantRow = 10;
constexpr std::uint16_t kChamberPlaceAndDateRow = 11;
// The crosses of box 8.
constexpr std::uint16_t kFirstCrossRow = 12;
constexpr std::uint16_t kSecondCrossRow = 13;

}  // namespace

void UZ_Printing::PrintPage1(Dc& dc)
{
    DrawReferenceMarks(dc, PrintPen(), 150, 120, 2040);

    // The small box at the top is the copy's alone.
    const int tallestGoods = PrintPage1Fields(dc, m_nPrintSheet == kCopy ? 0 : 1, kLastBoxField);
    if (m_nPrintSheet == kApplicationFront) {
        PrintCross(dc);
        PrintApplicant(dc);
    }
    StrikeOutBelowGoods(dc, tallestGoods, PrintPen());
}

void UZ_Printing::PrintPage2(Dc& dc)
{
    DrawReferenceMarks(dc, PrintPen(), 10, 100, 2040);
    PrintField(dc, GetPrintFieldRect(0, 2), 0, 2);
}

// The cross is placed in tenths of a millimetre as the offsets say, apart from the print-area scaling of the
// texts; offsets set by hand beyond the dialog's ranges print as the range's end.
void UZ_Printing::PrintCross(Dc& dc)
{
    if (settings().GetProfileInt(settings::kNoPrint_X) != 0) return;
    const bool first = document().m_nMarkChoice == 1;
    const int dx = PrintCalibration::Read(settings(), first ? settings::kLeft_X1Pos : settings::kLeft_X2Pos,
                                          settings::kCrossHorizontalRange);
    const int dy = PrintCalibration::Read(settings(), first ? settings::kTop_X1Pos : settings::kTop_X2Pos,
                                          settings::kCrossVerticalRange);
    const Rect box = GetPrintFieldRect(first ? kFirstCrossRow : kSecondCrossRow, 1);
    const Rect cross{box.left + dx, box.top + dy, box.right + dx, box.bottom + dy};
    dc.selectPen(PrintPen());
    dc.moveTo({cross.left, cross.top});
    dc.lineTo({cross.right, cross.bottom});
    dc.moveTo({cross.left, cross.bottom});
    dc.lineTo({cross.right, cross.top});
}

void UZ_Printing::PrintApplicant(Dc& dc)
{
    PrintField(dc, PaperRect(kPlaceAndDate, 1), kPlaceAndDate, 1);
    PrintField(dc, PaperRect(kApplicant, 1), kApplicant, 1);
}

Rect UZ_Printing::PaperRect(std::uint16_t field, int page) const
{
    const bool applicant = page <= 1 && (field == kApplicant || field == kPlaceAndDate);
    if (!applicant || settings().GetProfileInt(settings::kU08_HH) != 1) return GetPrintFieldRect(field, page);
    return GetPrintFieldRect(field == kApplicant ? kChamberApplicantRow : kChamberPlaceAndDateRow, 1);
}
