#include "forms/uz/UZ_FieldTable.h"

#include <array>

namespace {

// clang-format off
// {screen}, {print}, help id, start size, start alignment, input field
constexpr std::array<FormFieldRow, 14> kPage1{{
    // 0: small box at the top edge, right of box 1
    {{1100, 40, 1550, 90}, {1250, 75, 1600, 125}, 340, 3, kFieldAlignLeft, true},
    // 1: box 1 "Absender"
    {{110, 70, 1010, 270}, {160, 120, 1060, 320}, 341, 3, kFieldAlignLeft, true},
    // 2: box 2 "Empfänger"
    {{110, 370, 1010, 690}, {160, 405, 1060, 725}, 342, 3, kFieldAlignLeft, true},
    // 3: box 3 "Ursprungsland"
    {{1050, 570, 1930, 700}, {1100, 610, 1980, 735}, 343, 3, kFieldAlignLeft, true},
    // 4: box 4 transport details
    {{110, 760, 1010, 1030}, {160, 795, 1060, 1065}, 344, 3, kFieldAlignLeft, true},
    // 5: box 5 "Bemerkungen"
    {{1050, 760, 1930, 1030}, {1100, 795, 1980, 1065}, 345, 3, kFieldAlignLeft, true},
    // 6: box 6 numbers, packages, description of goods
    {{110, 1150, 1460, 2100}, {160, 1225, 1510, 2145}, 346, 3, kFieldAlignLeft, true},
    // 7: box 7 quantity
    {{1500, 1150, 1930, 2100}, {1550, 1225, 1950, 2145}, 347, 3, kFieldAlignLeft, true},
    // 8: box 9 applicant, if not the sender
    {{110, 2640, 1010, 2800}, {160, 2675, 1060, 2835}, 349, 3, kFieldAlignLeft, true},
    // 9: place and date
    {{1040, 2710, 1910, 2760}, {1090, 2705, 1660, 2755}, 348, 3, kFieldAlignLeft, true},
    // Rows 10 and 11: on screen the two cross areas of box 8, on paper the places of fields 8 and 9 on the
    // chamber's variant of the form (setting "U08_HH").
    // 10: first cross area; field 8 on the variant
    {{810, 2220, 845, 2255}, {180, 2625, 950, 2755}, 340, 3, kFieldAlignLeft, true},
    // 11: second cross area; field 9 on the variant
    {{1310, 2220, 1345, 2255}, {320, 2765, 950, 2805}, 340, 3, kFieldAlignLeft, true},
    // 12: the first cross of box 8 on paper
    {{0, 0, 0, 0}, {795, 2255, 830, 2290}, 0, 3, kFieldAlignLeft, false},
    // 13: the second cross of box 8 on paper
    {{0, 0, 0, 0}, {1325, 2255, 1360, 2290}, 0, 3, kFieldAlignLeft, false},
}};

// The back of the application.
constexpr std::array<FormFieldRow, 1> kPage2{{
    // 0: the free space of the back page
    {{110, 150, 1930, 2050}, {20, 150, 1830, 2050}, 350, 3, kFieldAlignLeft, true},
}};
// clang-format on

}  // namespace

constexpr FormFieldTable UZ_FieldTable{
    .section = u"UZForm_Defaults",
    .formKind = 3,
    .helpContext = 340,
    .page2HelpContext = 350,
    .editorControlId = 145,
    .page1FieldCount = 14,
    .page2FieldCount = 1,
    .lastPage1Field = 9,
    .lastPage2Field = 0,
    .hasPageCommands = true,
    .pageBackground = 0xAAD6FF,
    .lineColor = 0x000080,
    .statusPaneText = u"Ursprungszeugnis - Seite %d von %d",
    .page1 = kPage1,
    .page2 = kPage2,
    .page2SecondPrint = {},
};
