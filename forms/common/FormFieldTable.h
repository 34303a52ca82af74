#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// The sheet every form is laid out on, in tenths of a millimetre (205 mm × 298 mm). The views leave it white
// and grey the strips beyond it; no field of any form lies outside it.
inline constexpr int kFormSheetWidth = 2050;
inline constexpr int kFormSheetHeight = 2980;

// A rectangle of a form in tenths of a millimetre from the sheet's top-left corner, y downwards. The views
// scale it by the zoom for the screen and move it to the print origin for paper.
struct FormRect {
    std::int16_t left;
    std::int16_t top;
    std::int16_t right;
    std::int16_t bottom;
};

// The alignment bits of a field's flag word, as a new document starts with them.
inline constexpr std::uint16_t kFieldAlignLeft = 0x000;
inline constexpr std::uint16_t kFieldAlignCenter = 0x100;
inline constexpr std::uint16_t kFieldAlignRight = 0x200;

// One field of a form page: where the box is drawn on screen, where its text goes on the pre-printed paper,
// the help topic shown while it is edited and the flags a new document starts with.
struct FormFieldRow {
    FormRect screen;
    FormRect print;
    std::int16_t helpId;
    std::uint8_t startSize;        // font size code 0..4
    std::uint16_t startAlignment;  // kFieldAlignLeft, kFieldAlignCenter or kFieldAlignRight
    // An input field: drawn, printed, reached by Tab and by the mouse. A row that is not (a tick box or cross
    // area, a placeholder) still exists as a field of the editor and travels in the form file.
    bool enabled;
};

// Everything a form's document and view need to know about its fields before any window exists: the editor's
// counts and start flags, the layout rows that the views and the printing read, and the form's fixed values.
struct FormFieldTable {
    std::u16string_view section;  // the form's settings section
    int formKind;                 // the application's form kind code
    int helpContext;              // help topic of the form as a whole, and of page 1 when the page switches
    int page2HelpContext;         // help topic of page 2 when the page switches to it
    int editorControlId;
    std::uint16_t page1FieldCount;
    std::uint16_t page2FieldCount;  // columns of the editor's table part, one row per page from page 2
    // Tab and Shift+Tab wrap after these fields. Rows after the last page-1 field are no input fields,
    // whatever their enable flag: the certificate of origin keeps its cross areas and print positions there.
    std::uint16_t lastPage1Field;
    std::uint16_t lastPage2Field;
    bool hasPageCommands;          // the form shows page 2 on screen and offers the page switch
    std::uint32_t pageBackground;  // COLORREF of page 1 and the edit window
    std::uint32_t lineColor;       // COLORREF of the form's printed matter on screen
    // Status pane 1; a "%d von %d" text takes the current page and the page count.
    std::u16string_view statusPaneText;
    std::span<const FormFieldRow> page1;
    std::span<const FormFieldRow> page2;
    // A second set of page-2 print positions for another edition of the paper form, chosen by a setting;
    // empty for forms with one edition.
    std::span<const FormRect> page2SecondPrint;
};
