#pragma once

#include "forms/common/FormPrinting.h"
#include "forms/lze848a/LZE848a_TwoLineFields.h"

// The declaration 848a on paper, one sheet: the texts of its eleven fields (the placeholder field 5 never
// prints) and an X in the tick box the document has chosen. No reference marks.
class LZE848a_Printing : public FormPrinting {
public:
    // Takes the two-line option as it stands now, for every sheet this printing prints.
    LZE848a_Printing(const SettingsStore& settings, FormDocument& document);

    const LZE848a_TwoLineFields& twoLineFields() const { return m_twoLineFields; }

    // Rows beyond the table read row 0; with the two-line option fields 0 and 1 start higher.
    platform::Rect GetPrintFieldRect(std::uint16_t field, int page) const override;
    void PrintPage1(platform::Dc& dc) override;
    // The print dialog offers no second sheet.
    void PrintPage2(platform::Dc& dc) override;

private:
    LZE848a_TwoLineFields m_twoLineFields;
};
