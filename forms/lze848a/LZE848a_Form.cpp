#include "forms/lze848a/LZE848a_Form.h"

#include "app/HelpContextIds.h"
#include "forms/lze848a/CLZE_848a_Doc.h"
#include "forms/lze848a/CLZE_848a_View.h"
#include "forms/lze848a/LZE848a_Drawing.h"
#include "forms/lze848a/LZE848a_FieldTable.h"
#include "forms/lze848a/LZE848a_Printing.h"

namespace {

constexpr QStringView kSheets[] = {u"Langzeitlief.-Erklärung"};

// The two tick boxes: cumulation applied, or none.
constexpr FormMarkArea kMarkAreas[] = {{1, 11, 1}, {1, 12, 0}};

}  // namespace

constinit const FormDefinition LZE848a_Form{
    .menuId = 134,
    .docString =
        u"\nLZErk\nLangzeiterklärung (848a)\nLangzeiterklärung (*.lz1)\n.LZ1\nLangeiterkl848a.Dokument\n"
        u"Langzeiterklärung 848a",
    .fields = LZE848a_FieldTable,
    .file = CLZE_848a_Doc::kFileFormat,
    .defaultTexts = std::nullopt,
    // The page stays white; what is typed shows black while the drawn field texts keep "EditTextColor".
    .look = {LZE848a_Page1Drawing, kBlankPage, LZE848a_Fonts, 0xFFFFFF, false, 0x000000},
    .tidiesLeftFields = false,
    .goodsFields = std::nullopt,
    .boxCorrections = {},
    .markAreas = kMarkAreas,
    // The one sheet prints page 1 at (LeftMargin1, 40 - TopMargin1).
    .print = {{PrintFormKind::LZE848a, u"Langzeit-Lieferantenerklärung drucken", kSheets,
               HelpContextIds::kPrintLZE},
              1,
              {1, 1, 0, 40},
              {2, 2, 0, 20}},
    .margins = {u"Ränder beim Ausdruck für 848a", 1},
    .createDocument = CreateFormDocument<CLZE_848a_Doc>,
    .createView = CreateFormView<CLZE_848a_View, CLZE_848a_Doc>,
    .createPrinting = CreateFormPrinting<LZE848a_Printing>,
};
