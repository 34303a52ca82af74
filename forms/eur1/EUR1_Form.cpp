#include "forms/eur1/EUR1_Form.h"

#include "app/HelpContextIds.h"
#include "forms/eur1/CEUR1_Doc.h"
#include "forms/eur1/CEUR1_View.h"
#include "forms/eur1/EUR1_Drawing.h"
#include "forms/eur1/EUR1_FieldTable.h"
#include "forms/eur1/EUR1_Printing.h"

namespace {

constexpr QStringView kSheets[] = {u"EUR.1 Vorderseite", u"EUR.1 Antrag - Vorderseite",
                                   u"EUR.1 Antrag - Rückseite"};

constexpr BoxCorrection kBoxCorrections[] = {
    {{11, 18}, settings::kEUR1Field11HorCorr, settings::kEUR1Field11VertCorr},  // box 11, the endorsement
    {{19, 20}, settings::kEUR1Field12HorCorr, settings::kEUR1Field12VertCorr},  // box 12, the declaration
};

}  // namespace

constinit const FormDefinition EUR1_Form{
    .menuId = 131,
    .docString =
        u"\nEuform\nWarenverkehrsbesch. (EUR.1)\nEUR1 Form. (*.fme)\n.fme\nEUR1-Dokument\nEUR1-Dokument",
    .fields = EUR1_FieldTable,
    .file = CEUR1_Doc::kFileFormat,
    .defaultTexts = DefaultTextFields{0, 4, 6, 19},
    .look = {EUR1_Page1Drawing, EUR1_Page2Drawing, EUR1_Fonts, 0xFFFFFF, true, std::nullopt},
    .tidiesLeftFields = true,
    .goodsFields = FieldRange{8, 10},
    .boxCorrections = kBoxCorrections,
    .markAreas = {},
    // The application's back (sheet 3) prints page 2 at (LeftMargin2, -TopMargin2); the certificate and the
    // application's front print page 1 at (LeftMargin1 + 10, 20 - TopMargin1).
    .print = {{PrintFormKind::EUR1, u"EUR.1 Dokument drucken", kSheets, HelpContextIds::kPrintEUR1},
              3,
              {2, 2, 0, 0},
              {1, 1, 10, 20}},
    .margins = {u"Ränder beim Ausdruck für EUR.1", 2},
    .createDocument = CreateFormDocument<CEUR1_Doc>,
    .createView = CreateFormView<CEUR1_View, CEUR1_Doc>,
    .createPrinting = CreateFormPrinting<EUR1_Printing>,
};
