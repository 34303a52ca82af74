#include "forms/lze848a/LZE848a_FieldTable.h"

#include <array>

namespace {

// clang-format off
// {screen}, {print}, help id, start size, start alignment, input field
constexpr std::array<FormFieldRow, 13> kPage1{{
    // 0: goods, items (1-2)
    {{250, 630, 1750, 670}, {200, 600, 1850, 645}, 360, 3, kFieldAlignLeft, true},
    // 1: customer supplied regularly, item (3)
    {{600, 720, 1800, 760}, {540, 685, 1900, 730}, 360, 3, kFieldAlignLeft, true},
    // 2: origin, item (4)
    {{980, 795, 1800, 840}, {930, 770, 1900, 815}, 360, 3, kFieldAlignLeft, true},
    // 3: preferential trade partner, item (5), line 1
    {{250, 1005, 1800, 1050}, {200, 985, 1950, 1030}, 360, 3, kFieldAlignLeft, true},
    // 4: item (5), line 2
    {{250, 1105, 1550, 1150}, {200, 1065, 1650, 1110}, 360, 3, kFieldAlignLeft, true},
    // 5: no field of the form; it only has to exist in the editor
    {{850, 1325, 1350, 1370}, {50, 1325, 1350, 1325}, 360, 3, kFieldAlignLeft, false},
    // 6: countries of cumulation, item (6)
    {{850, 1325, 1350, 1370}, {810, 1280, 1520, 1325}, 360, 3, kFieldAlignLeft, true},
    // 7: period from, item (7)
    {{340, 1615, 1020, 1660}, {290, 1615, 970, 1660}, 360, 3, kFieldAlignLeft, true},
    // 8: period to, item (7)
    {{1110, 1615, 1800, 1660}, {1060, 1615, 1900, 1660}, 360, 3, kFieldAlignLeft, true},
    // 9: whom the undersigned informs
    {{900, 1740, 1850, 1785}, {850, 1745, 1950, 1790}, 360, 3, kFieldAlignLeft, true},
    // 10: place, date, name, position and address, items (8-10)
    {{250, 2030, 1850, 2120}, {200, 1995, 1950, 2085}, 360, 3, kFieldAlignLeft, true},
    // 11: first tick box, "Kumulierung angewendet mit"; on paper the place of its X
    {{270, 1330, 310, 1370}, {180, 1280, 230, 1330}, 0, 3, kFieldAlignLeft, false},
    // 12: second tick box, "Keine Kumulierung angewendet"
    {{270, 1430, 310, 1470}, {180, 1405, 230, 1455}, 0, 3, kFieldAlignLeft, false},
}};

// The editor keeps one table cell, which travels in the form file; the view never leaves page 1, so the
// cell is neither shown nor printed. On screen it would take field 0's place.
constexpr std::array<FormFieldRow, 1> kPage2{{
    {{250, 630, 1750, 670}, {1070, 200, 1130, 240}, 0, 3, kFieldAlignLeft, false},
}};
// clang-format on

}  // namespace

constexpr FormFieldTable LZE848a_FieldTable{
    .section = u"LZE1Form_Defaults",
    .formKind = 5,
    .helpContext = 360,
    .page2HelpContext = 0,
    .editorControlId = 143,
    .page1FieldCount = 13,
    .page2FieldCount = 1,
    .lastPage1Field = 10,
    .lastPage2Field = 0,
    .hasPageCommands = false,
    .pageBackground = 0xFFFFFF,
    .lineColor = 0x000000,
    .statusPaneText = u"Ursprungszeugnis (848a)",
    .page1 = kPage1,
    .page2 = kPage2,
    .page2SecondPrint = {},
};
