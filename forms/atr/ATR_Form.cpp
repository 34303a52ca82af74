#include "forms/atr/ATR_Form.h"

#include "app/HelpContextIds.h"
#include "forms/atr/ATR_Drawing.h"
#include "forms/atr/ATR_FieldTable.h"
#include "forms/atr/ATR_Printing.h"
#include "forms/atr/CATR_Doc.h"
#include "forms/atr/CATR_View.h"

namespace {

constexpr QStringView kSheets[] = {u"A.TR. Vorderseite"};

constexpr BoxCorrection kBoxCorrections[] = {
    {{11, 18},
     settings::kATRField12HorCorr,
     settings::kATRField12VertCorr},  // box 12, the customs endorsement
    {{19, 20}, settings::kATRField13HorCorr, settings::kATRField13VertCorr},  // box 13, the declaration
};

}  // namespace

constinit const FormDefinition ATR_Form{
    .menuId = 132,
    .docString =
        u"\nATRform\nWarenverkehrsbesch. (A.TR.)\nA.TR. Form. (*.fma)\n.fma\nATR-Dokument\nATR-Dokument",
    .fields = ATR_FieldTable,
    .file = CATR_Doc::kFileFormat,
    .defaultTexts = DefaultTextFields{0, 4, 6, 19},
    .look = {ATR_Page1Drawing, ATR_Page2Drawing, ATR_Fonts, 0xFFFFFF, true, std::nullopt},
    .tidiesLeftFields = true,
    .goodsFields = FieldRange{8, 10},
    .boxCorrections = kBoxCorrections,
    .markAreas = {},
    // The print dialog offers the front of the sheet only. It prints at (LeftMargin1 + 10, 20 - TopMargin1),
    // and PrintPage1 then places its own origin; sheet 3, the back page, would print at (LeftMargin2,
    // -TopMargin2).
    .print = {{PrintFormKind::ATR, u"A.TR. Dokument drucken", kSheets, HelpContextIds::kPrintATR},
              3,
              {2, 2, 0, 0},
              {1, 1, 10, 20}},
    .margins = {u"Ränder beim Ausdruck für A.TR.", 1},
    .createDocument = CreateFormDocument<CATR_Doc>,
    .createView = CreateFormView<CATR_View, CATR_Doc>,
    .createPrinting = CreateFormPrinting<ATR_Printing>,
};
