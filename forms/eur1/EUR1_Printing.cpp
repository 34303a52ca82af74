#include "forms/eur1/EUR1_Printing.h"

#include "app/SettingsStore.h"
#include "forms/common/FormDefinition.h"

namespace {

constexpr std::uint16_t kCertificateLastField = 20;
// Sheet 2, the application's front, has boxes 1 to 10: fields 0 to 10.
constexpr int kApplicationFrontSheet = 2;
constexpr std::uint16_t kApplicationFrontLastField = 10;

}  // namespace

platform::Rect EUR1_Printing::GetPrintFieldRect(std::uint16_t field, int page) const
{
    const std::span<const FormRect> editionL = definition().fields.page2SecondPrint;
    if (page >= 2 && !editionL.empty() && settings().GetProfileInt(settings::kEURPRN) == 1)
        return PlacedAtOrigin(editionL[field < editionL.size() ? field : 0]);
    return FormPrinting::GetPrintFieldRect(field, page);
}

void EUR1_Printing::PrintPage1(platform::Dc& dc)
{
    // In the printer's thinnest pen: the corner at the top, the tick at box 8.
    DrawReferenceMarks(dc, {}, 100, 90, 2040);
    const std::uint16_t last =
        m_nPrintSheet == kApplicationFrontSheet ? kApplicationFrontLastField : kCertificateLastField;
    StrikeOutBelowGoods(dc, PrintPage1Fields(dc, 0, last), PrintPen());
}

void EUR1_Printing::PrintPage2(platform::Dc& dc)
{
    const std::span<const FormFieldRow> rows = definition().fields.page2;
    for (std::uint16_t field = 0; field < rows.size(); ++field) {
        if (rows[field].enabled) PrintField(dc, GetPrintFieldRect(field, 2), field, 2);
    }
}
