#pragma once

#include "app/SettingsKeys.h"
#include "forms/common/FormDrawing.h"
#include "forms/common/FormFieldTable.h"
#include "forms/common/FormFileFormat.h"
#include "forms/print/MarginDialogRun.h"
#include "forms/print/PrintCalibration.h"
#include "forms/print/PrintDialogForm.h"

#include <QStringView>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>

class CQELWinAppEx;
class FormDocument;
class FormPrinting;
class FormView;
class SettingsStore;

// Everything that makes a form that form, declared once in the form's own folder (forms/atr/ATR_Form.cpp and
// its kin) and read by the common code from the one list of the forms (forms/FormList.h): the document
// template, the field table and file format, the default texts, how the view shows it, what its fields do
// beyond typing, where its sheets print and which dialogs it brings. A definition is constant data,
// initialised before anything runs (declare it constinit).

// The fields that take the default texts of the form's settings section when a new form is set up.
struct DefaultTextFields {
    std::uint16_t exporteur;
    std::uint16_t ursprungsland;
    std::uint16_t transport;
    std::uint16_t date;
};

// Where the print step puts a sheet: the page printer (1 or 2) and its origin in 0.1 mm, (LeftMargin + x,
// y - TopMargin) with the margins of the sheet's set (1 or 2).
struct SheetPrint {
    int pagePrinter;
    int marginSet;
    int x;
    int y;
};

// How a form prints: the print dialog it shows and the sheets that dialog offers, and where each sheet goes;
// one sheet prints apart from all the others. Which fields and marks a sheet gets is the form's own printing.
struct FormPrintRule {
    PrintDialogForm dialog;
    int specialSheet;
    SheetPrint special;
    SheetPrint other;

    int sheets() const { return static_cast<int>(dialog.sheets.size()); }
    const SheetPrint& forSheet(int sheet) const { return sheet == specialSheet ? special : other; }
};

// A row of the field table that is no input field but a place the user clicks to choose one of the form's
// marks (a tick box, a cross): a click there sets the document's mark choice to `choice`.
struct FormMarkArea {
    std::uint16_t page;
    std::uint16_t field;
    int choice;
};

// How the view shows the form beyond its field table: the printed matter of its two pages, the fonts its
// captions name by index, and the colours of the live edit window.
struct FormLook {
    const FormPageDrawing& page1;
    const FormPageDrawing& page2;
    std::span<const FormFontSpec> fonts;
    std::uint32_t page2Background;  // COLORREF of the edit window on page 2
    // Moving to a field or a page gives the edit window that page's colour: the form's page colour on page 1,
    // page2Background on page 2. Otherwise the window keeps the colour it was made with.
    bool editWindowFollowsPage;
    // COLORREF of the text being typed; without one the form's "EditTextColor", as the drawn field texts.
    std::optional<std::uint32_t> editWindowTextColor;
};

struct FormDefinition {
    // The document template: its resource id (its menu) and its document string of seven fields.
    int menuId;
    QStringView docString;
    const FormFieldTable& fields;
    const FormFileFormat& file;
    std::optional<DefaultTextFields> defaultTexts;
    FormLook look;
    // Leaving a field strips the trailing white space of its text (the movement certificates).
    bool tidiesLeftFields;
    // The goods columns: their texts end in exactly one line end when left and when printed, so that the
    // strike-out under the goods finds an empty line.
    std::optional<FieldRange> goodsFields;
    std::span<const BoxCorrection> boxCorrections;
    std::span<const FormMarkArea> markAreas;
    FormPrintRule print;
    MarginForm margins;
    std::unique_ptr<FormDocument> (*createDocument)(CQELWinAppEx& app);
    // Null while the form has no view of its own: its window then shows an empty area.
    FormView* (*createView)(CQELWinAppEx& app, FormDocument& document);
    // Null while the form cannot be printed yet.
    std::unique_ptr<FormPrinting> (*createPrinting)(const SettingsStore& settings, FormDocument& document);
};

// The factories of a form's definition: its document class, its view class on that document, and its
// printing.
template <class Doc>
std::unique_ptr<FormDocument> CreateFormDocument(CQELWinAppEx& app)
{
    return std::make_unique<Doc>(app);
}
template <class View, class Doc>
FormView* CreateFormView(CQELWinAppEx& app, FormDocument& document)
{
    return new View(app, static_cast<Doc&>(document));
}
template <class Printing>
std::unique_ptr<FormPrinting> CreateFormPrinting(const SettingsStore& settings, FormDocument& document)
{
    return std::make_unique<Printing>(settings, document);
}
