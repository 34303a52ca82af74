#include "forms/lze848a/LZE848a_Printing.h"

#include "forms/common/FormDocument.h"
#include "platform/gdi/Dc.h"

using platform::Rect;

namespace {

// The print rows of the X: in the first tick box for mark choice 1, in the second for any other.
constexpr std::uint16_t kFirstTickRow = 11;
constexpr std::uint16_t kSecondTickRow = 12;

}  // namespace

LZE848a_Printing::LZE848a_Printing(const SettingsStore& settings, FormDocument& document)
    : FormPrinting(settings, document), m_twoLineFields(settings)
{
}

Rect LZE848a_Printing::GetPrintFieldRect(std::uint16_t field, int page) const
{
    const FormFieldTable& table = definition().fields;
    const std::size_t rows = (page <= 1 ? table.page1 : table.page2).size();
    const std::uint16_t row = field < rows ? field : 0;
    const Rect rect = FormPrinting::GetPrintFieldRect(row, page);
    return page <= 1 ? m_twoLineFields.printBox(row, rect) : rect;
}

void LZE848a_Printing::PrintPage1(platform::Dc& dc)
{
    const FormFieldTable& table = definition().fields;
    dc.selectPen(PrintPen());
    for (std::uint16_t field = 0; field <= table.lastPage1Field; ++field) {
        if (table.page1[field].enabled) PrintField(dc, GetPrintFieldRect(field, 1), field, 1);
    }
    // The X always prints, 5 mm by 5 mm from corner to corner.
    const Rect box = GetPrintFieldRect(document().m_nMarkChoice == 1 ? kFirstTickRow : kSecondTickRow, 1);
    dc.moveTo({box.left, box.top});
    dc.lineTo({box.right, box.bottom});
    dc.moveTo({box.left, box.bottom});
    dc.lineTo({box.right, box.top});
}

void LZE848a_Printing::PrintPage2(platform::Dc&) {}
