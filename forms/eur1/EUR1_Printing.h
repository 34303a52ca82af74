#pragma once

#include "forms/common/FormPrinting.h"

// The EUR.1 on paper, three sheets: the certificate (sheet 1) and the front of the application (sheet 2) take
// the texts of page 1 with the box corrections of boxes 11 and 12, the two reference marks and the strike-out
// under the goods; the back of the application (sheet 3) takes the texts of page 2.
class EUR1_Printing : public FormPrinting {
public:
    using FormPrinting::FormPrinting;

    // On page 2 the rectangles of the paper form the user prints on: with "EURPRN" = 1 the edition marked
    // "L 03/2010", whose lines sit lower, else the one marked "WK 03/2010". Read afresh for every rectangle.
    platform::Rect GetPrintFieldRect(std::uint16_t field, int page) const override;
    // The certificate, or the application's front, which has boxes 1 to 10 only.
    void PrintPage1(platform::Dc& dc) override;
    // The application's back: the eleven lines of page 2, without marks.
    void PrintPage2(platform::Dc& dc) override;
};
