#pragma once

#include "forms/common/FormPrinting.h"

// The certificate of origin on paper. Page 1 serves three sheets: the original and its copy get boxes 1 to 7
// (the copy also the small box at the top), the application's front also the cross of box 8 and boxes 9 and
// the date. Page 2 is the application's back. Every sheet gets its two reference marks; page 1 also the
// strike-out under the goods of boxes 6 and 7.
class UZ_Printing : public FormPrinting {
public:
    using FormPrinting::FormPrinting;

    void PrintPage1(platform::Dc& dc) override;
    void PrintPage2(platform::Dc& dc) override;
    // The applicant and the place and date print where the chosen edition of the form has them.
    platform::Rect PaperRect(std::uint16_t field, int page) const override;

private:
    // The cross of the box the document's mark choice names, moved by the offsets of the crosses dialog;
    // none when the crosses are not to be printed.
    void PrintCross(platform::Dc& dc);
    // The applicant of box 9 and the place and date, where the chosen edition of the form has them.
    void PrintApplicant(platform::Dc& dc);
};
