#include "forms/eur1/EUR1_FieldTable.h"

#include <array>

namespace {

// clang-format off
// {screen}, {print}, help id, start size, start alignment, input field
constexpr std::array<FormFieldRow, 21> kPage1{{
    // 0: box 1 "1. Ausführer/Exporteur"
    {{210, 160, 1105, 340}, {120, 130, 1015, 310}, 300, 3, kFieldAlignLeft, true},
    // 1: box 3 "3. Empfänger"
    {{210, 400, 1105, 770}, {120, 380, 1015, 740}, 302, 3, kFieldAlignLeft, true},
    // 2: box 2, first line under "2. Bescheinigung für den Präferenzverkehr zwischen"
    {{1150, 390, 1980, 435}, {1060, 350, 1890, 395}, 301, 3, kFieldAlignCenter, true},
    // 3: box 2, line after "und"
    {{1150, 510, 1980, 555}, {1060, 470, 1890, 515}, 301, 3, kFieldAlignCenter, true},
    // 4: box 4, state or territory of origin
    {{1140, 725, 1560, 770}, {1050, 695, 1470, 730}, 303, 3, kFieldAlignLeft, true},
    // 5: box 5, state or territory of destination
    {{1590, 725, 2000, 770}, {1500, 695, 1910, 730}, 304, 3, kFieldAlignLeft, true},
    // 6: box 6 "6. Angaben über die Beförderung"
    {{210, 840, 1105, 1110}, {120, 805, 1015, 1075}, 305, 3, kFieldAlignLeft, true},
    // 7: box 7 "7. Bemerkungen"
    {{1140, 840, 2000, 1110}, {1050, 805, 1910, 1075}, 306, 3, kFieldAlignLeft, true},
    // 8: box 8, item numbers, marks, packages, goods
    {{210, 1250, 1560, 2330}, {120, 1210, 1470, 2290}, 307, 3, kFieldAlignLeft, true},
    // 9: box 9, gross weight
    {{1590, 1250, 1795, 2330}, {1500, 1210, 1705, 2290}, 308, 3, kFieldAlignRight, true},
    // 10: box 10 "10. Rechnungen"
    {{1815, 1250, 2010, 2330}, {1725, 1210, 1920, 2290}, 309, 3, kFieldAlignLeft, true},
    // 11: box 11, after "Ausfuhrpapier: ²)"
    {{470, 2440, 900, 2480}, {380, 2410, 900, 2450}, 310, 2, kFieldAlignLeft, true},
    // 12: box 11, after "Art/Muster"
    {{365, 2480, 600, 2520}, {285, 2450, 560, 2490}, 310, 2, kFieldAlignLeft, true},
    // 13: box 11, after "Nr."
    {{670, 2480, 1100, 2520}, {610, 2450, 1100, 2490}, 310, 2, kFieldAlignLeft, true},
    // 14: box 11, after "vom"
    {{310, 2525, 900, 2565}, {220, 2490, 900, 2530}, 310, 2, kFieldAlignLeft, true},
    // 15: box 11, after "Zollbehörde:"
    {{400, 2570, 900, 2610}, {320, 2530, 900, 2570}, 310, 2, kFieldAlignLeft, true},
    // 16: box 11, after "Ausstellender/s Staat/Gebiet:"
    {{560, 2615, 900, 2655}, {520, 2570, 900, 2610}, 310, 2, kFieldAlignLeft, true},
    // 17: box 11, dotted line at 270 mm
    {{250, 2660, 900, 2700}, {250, 2610, 900, 2650}, 310, 2, kFieldAlignLeft, true},
    // 18: box 11, dotted line above "(Ort und Datum)"
    {{250, 2705, 900, 2745}, {250, 2650, 900, 2690}, 310, 2, kFieldAlignCenter, true},
    // 19: box 12, line above "(Ort und Datum)"
    {{1400, 2610, 1980, 2650}, {1300, 2570, 1900, 2610}, 311, 2, kFieldAlignCenter, true},
    // 20: box 12, above the signature line
    {{1400, 2700, 1980, 2800}, {1300, 2660, 1900, 2760}, 311, 2, kFieldAlignLeft, true},
}};

// The back of the application, printed onto the paper form marked "WK 03/2010".
constexpr std::array<FormFieldRow, 11> kPage2{{
    // 0: description of the facts, line 1
    {{180, 635, 1830, 695}, {180, 645, 1830, 695}, 312, 3, kFieldAlignLeft, true},
    // 1: line 2
    {{180, 705, 1830, 760}, {180, 730, 1830, 780}, 312, 3, kFieldAlignLeft, true},
    // 2: line 3
    {{180, 770, 1830, 825}, {180, 815, 1830, 865}, 312, 3, kFieldAlignLeft, true},
    // 3: line 4
    {{180, 835, 1830, 890}, {180, 900, 1830, 950}, 312, 3, kFieldAlignLeft, true},
    // 4: line 5
    {{180, 900, 1830, 955}, {180, 995, 1830, 1035}, 312, 3, kFieldAlignLeft, true},
    // 5: supporting documents, line 1
    {{180, 1140, 1830, 1200}, {180, 1115, 1830, 1165}, 312, 3, kFieldAlignLeft, true},
    // 6: line 2
    {{180, 1210, 1830, 1265}, {180, 1200, 1830, 1250}, 312, 3, kFieldAlignLeft, true},
    // 7: line 3
    {{180, 1275, 1830, 1330}, {180, 1285, 1830, 1335}, 312, 3, kFieldAlignLeft, true},
    // 8: line 4
    {{180, 1340, 1830, 1395}, {180, 1370, 1830, 1420}, 312, 3, kFieldAlignLeft, true},
    // 9: line 5
    {{180, 1405, 1830, 1460}, {180, 1455, 1830, 1505}, 312, 3, kFieldAlignLeft, true},
    // 10: place and date, above "(Ort und Datum)"
    {{920, 1905, 1830, 1965}, {920, 1905, 1830, 1965}, 312, 3, kFieldAlignLeft, true},
}};

// The same lines on the paper form marked "L 03/2010" (setting "EURPRN" = 1), where they sit lower.
constexpr std::array<FormRect, 11> kPage2SecondPrint{{
    {180, 670, 1830, 720},    // 0: description of the facts, line 1
    {180, 733, 1830, 783},    // 1
    {180, 796, 1830, 846},    // 2
    {180, 859, 1830, 909},    // 3
    {180, 922, 1830, 972},    // 4
    {180, 1180, 1830, 1240},  // 5: supporting documents, line 1
    {180, 1243, 1830, 1293},  // 6
    {180, 1306, 1830, 1356},  // 7
    {180, 1369, 1830, 1419},  // 8
    {180, 1432, 1830, 1482},  // 9
    {920, 2080, 1830, 2130},  // 10: place and date
}};
// clang-format on

}  // namespace

constexpr FormFieldTable EUR1_FieldTable{
    .section = u"EUR1Form_Defaults",
    .formKind = 1,
    .helpContext = 300,
    .page2HelpContext = 312,
    .editorControlId = 122,
    .page1FieldCount = 21,
    .page2FieldCount = 11,
    .lastPage1Field = 20,
    .lastPage2Field = 10,
    .hasPageCommands = true,
    .pageBackground = 0xD1FFDE,
    .lineColor = 0x000000,
    .statusPaneText = u"EUR.1 - Seite %d von %d",
    .page1 = kPage1,
    .page2 = kPage2,
    .page2SecondPrint = kPage2SecondPrint,
};
