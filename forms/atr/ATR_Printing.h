#pragma once

#include "forms/common/FormPrinting.h"

// The A.TR. on paper: the field texts of the front with the box corrections of boxes 12 and 13, the two
// reference marks and the strike-out under the goods.
class ATR_Printing : public FormPrinting {
public:
    using FormPrinting::FormPrinting;

    // The front. Its origin lies 3 mm right of the left margin and 1 mm above the top margin, whatever the
    // sheet's origin was.
    void PrintPage1(platform::Dc& dc) override;
    // The back page, which the print dialog does not offer: its one writing line.
    void PrintPage2(platform::Dc& dc) override;
};
