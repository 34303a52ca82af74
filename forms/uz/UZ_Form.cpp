#include "forms/uz/UZ_Form.h"

#include "app/HelpContextIds.h"
#include "forms/uz/CUrsprungszeugnis_Doc.h"
#include "forms/uz/CUrsprungszeugnis_View.h"
#include "forms/uz/UZ_Drawing.h"
#include "forms/uz/UZ_FieldTable.h"
#include "forms/uz/UZ_Printing.h"

namespace {

constexpr QStringView kSheets[] = {u"UZ Original", u"UZ Antrag Vorderseite", u"UZ Antrag Rückseite",
                                   u"UZ Kopie von Original"};

// The two crosses of box 8: made in the exporter's own works, or elsewhere.
constexpr FormMarkArea kMarkAreas[] = {{1, 10, 1}, {1, 11, 0}};

}  // namespace

constinit const FormDefinition UZ_Form{
    .menuId = 133,
    .docString =
        u"\nUZform\nUrsprungszeugnis (U08) \nUZ Form. (*.fmu)\n.fmu\nUrsprungszeugnis\nUrsprungszeugnis",
    .fields = UZ_FieldTable,
    .file = CUrsprungszeugnis_Doc::kFileFormat,
    .defaultTexts = DefaultTextFields{1, 3, 4, 9},
    // Both pages show the form's colour, in the edit window too.
    .look = {UZ_Page1Drawing, UZ_Page2Drawing, UZ_Fonts, 0xAAD6FF, false, std::nullopt},
    .tidiesLeftFields = false,
    .goodsFields = FieldRange{6, 7},
    .boxCorrections = {},
    .markAreas = kMarkAreas,
    // The application's back (sheet 3) prints page 2 at (LeftMargin2, 20 - TopMargin2); the original, the
    // application's front and the copy print page 1 at (LeftMargin1, 40 - TopMargin1).
    .print = {{PrintFormKind::UZ, u"UZ Dokument drucken", kSheets, HelpContextIds::kPrintUZ},
              3,
              {2, 2, 0, 20},
              {1, 1, 0, 40}},
    .margins = {u"Ränder beim Ausdruck für Ursprungszeugnis", 2},
    .createDocument = CreateFormDocument<CUrsprungszeugnis_Doc>,
    .createView = CreateFormView<CUrsprungszeugnis_View, CUrsprungszeugnis_Doc>,
    .createPrinting = CreateFormPrinting<UZ_Printing>,
};
