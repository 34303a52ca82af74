#include "forms/atr/ATR_FieldTable.h"

#include <array>

namespace {

// clang-format off
// {screen}, {print}, help id, start size, start alignment, input field
constexpr std::array<FormFieldRow, 21> kPage1{{
    // 0: box 1 "1. Ausführer"
    {{210, 160, 1105, 340}, {120, 130, 1015, 310}, 320, 3, kFieldAlignLeft, true},
    // 1: box 3 "3. Empfänger"
    {{210, 400, 1105, 770}, {120, 380, 1015, 740}, 322, 3, kFieldAlignLeft, true},
    // 2: box 2 "2. Frachtpapier", after "Nr."
    {{1180, 290, 1550, 340}, {1130, 275, 1480, 330}, 321, 3, kFieldAlignLeft, true},
    // 3: box 2, after "vom"
    {{1610, 290, 1980, 340}, {1560, 275, 1890, 330}, 321, 3, kFieldAlignLeft, true},
    // 4: box 5 "5. Ausfuhrstaat"
    {{1140, 710, 1560, 770}, {1050, 685, 1470, 720}, 323, 3, kFieldAlignCenter, true},
    // 5: box 6 "6. Bestimmungsstaat 1)"
    {{1590, 710, 2000, 770}, {1500, 685, 1910, 720}, 324, 3, kFieldAlignLeft, true},
    // 6: box 7 "7. Angaben über die Beförderung"
    {{210, 840, 1105, 1110}, {120, 805, 1015, 1075}, 325, 3, kFieldAlignLeft, true},
    // 7: box 8 "8. Bemerkungen"
    {{1140, 840, 2000, 1110}, {1050, 805, 1910, 1075}, 326, 3, kFieldAlignLeft, true},
    // 8: box 9, item number column
    {{210, 1250, 340, 2330}, {120, 1210, 240, 2290}, 327, 3, kFieldAlignLeft, true},
    // 9: box 10, marks, packages and goods
    {{360, 1250, 1795, 2330}, {260, 1210, 1705, 2290}, 328, 3, kFieldAlignLeft, true},
    // 10: box 11, gross weight
    {{1815, 1250, 2010, 2330}, {1725, 1210, 1920, 2290}, 329, 3, kFieldAlignRight, true},
    // 11: box 12, after "Ausfuhrpapier: ²)"
    {{470, 2440, 900, 2480}, {380, 2410, 900, 2450}, 330, 2, kFieldAlignLeft, true},
    // 12: box 12, after "Art/Muster"
    {{365, 2480, 600, 2520}, {300, 2450, 560, 2490}, 330, 2, kFieldAlignLeft, true},
    // 13: box 12, after "Nr."
    {{670, 2480, 1100, 2520}, {610, 2450, 1100, 2490}, 330, 2, kFieldAlignLeft, true},
    // 14: box 12, after "Zollstelle:"
    {{365, 2525, 900, 2565}, {300, 2490, 900, 2530}, 330, 2, kFieldAlignLeft, true},
    // 15: box 12, after "Ausstellender Staat:"
    {{450, 2570, 900, 2610}, {450, 2530, 900, 2570}, 330, 2, kFieldAlignLeft, true},
    // 16: box 12, dotted line at 265.5 mm
    {{250, 2615, 900, 2655}, {150, 2570, 900, 2610}, 330, 2, kFieldAlignLeft, true},
    // 17: box 12, dotted line at 270 mm
    {{250, 2660, 900, 2700}, {150, 2610, 900, 2650}, 330, 2, kFieldAlignLeft, true},
    // 18: box 12, dotted line above "(Ort und Datum)"
    {{420, 2705, 900, 2745}, {380, 2650, 900, 2690}, 330, 2, kFieldAlignCenter, true},
    // 19: box 13, line above "(Ort und Datum)"
    {{1400, 2610, 1980, 2650}, {1300, 2570, 1900, 2610}, 331, 2, kFieldAlignCenter, true},
    // 20: box 13, above the signature line
    {{1400, 2700, 1980, 2800}, {1300, 2660, 1900, 2760}, 331, 2, kFieldAlignLeft, true},
}};

constexpr std::array<FormFieldRow, 1> kPage2{{
    // 0: the one writing line of page 2
    {{180, 635, 1830, 695}, {180, 635, 1830, 695}, 100, 3, kFieldAlignLeft, true},
}};
// clang-format on

}  // namespace

constexpr FormFieldTable ATR_FieldTable{
    .section = u"ATRForm_Defaults",
    .formKind = 2,
    .helpContext = 320,
    .page2HelpContext = 0,
    .editorControlId = 122,
    .page1FieldCount = 21,
    .page2FieldCount = 1,
    .lastPage1Field = 20,
    .lastPage2Field = 0,
    .hasPageCommands = false,
    .pageBackground = 0xD1FFDE,
    .lineColor = 0x000000,
    .statusPaneText = u"A.TR. Dokument",
    .page1 = kPage1,
    .page2 = kPage2,
    .page2SecondPrint = {},
};
