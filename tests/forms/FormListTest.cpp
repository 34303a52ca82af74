// The one list of the forms: what the shell registers agrees with the templates made from it, and each form's
// definition holds together.

#include "app/CQELWinAppEx.h"
#include "app/ShellFileTypes.h"
#include "forms/FormList.h"
#include "forms/FormTemplates.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

using Field = platform::DocTemplate::Field;

TEST(FormList, TheShellRegistersTheFileTypesOfTheTemplatesInTheirOrder)
{
    QTemporaryDir dir;
    CQELWinAppEx app(dir.path());
    const std::vector<platform::DocTemplate> templates = CreateFormTemplates(app);
    ASSERT_EQ(templates.size(), AllForms().size());
    // After the forms' types only ones that no form reads.
    for (std::size_t i = templates.size(); i < kShellFileTypes.size(); ++i)
        EXPECT_FALSE(kShellFileTypes[i].hasTemplate);
    for (std::size_t i = 0; i < templates.size(); ++i) {
        const platform::DocTemplate& form = templates[i];
        const ShellFileType& type = kShellFileTypes[i];
        SCOPED_TRACE(type.extension.toString().toStdString());
        EXPECT_TRUE(type.hasTemplate);
        EXPECT_EQ(form.field(Field::FilterExt), type.extension);
        EXPECT_EQ(form.field(Field::RegFileTypeId), type.fileTypeId);
        EXPECT_EQ(form.field(Field::RegFileTypeName), type.fileTypeName);
        EXPECT_EQ(form.field(Field::DocName), type.docName);
        EXPECT_TRUE(AllForms()[i]->file.magic.startsWith(type.magic));
    }
}

TEST(FormList, EveryDefinitionHoldsTogether)
{
    for (const FormDefinition* form : AllForms()) {
        const FormFieldTable& t = form->fields;
        SCOPED_TRACE(QString::fromStdU16String(std::u16string(t.section)).toStdString());
        // The sheets offered print with margins the margin dialog sets.
        for (int sheet = 1; sheet <= form->print.sheets(); ++sheet)
            EXPECT_LE(form->print.forSheet(sheet).marginSet, form->margins.sheets) << sheet;
        const auto rowsOf = [&](int page) { return page == 1 ? t.page1 : t.page2; };
        // Goods and corrected boxes are fields to type in; a mark area is a row but none.
        if (form->goodsFields) {
            EXPECT_LE(form->goodsFields->last, t.lastPage1Field);
        }
        for (const BoxCorrection& box : form->boxCorrections) EXPECT_LE(box.fields.last, t.lastPage1Field);
        for (const FormMarkArea& area : form->markAreas) {
            ASSERT_LT(area.field, rowsOf(area.page).size());
            EXPECT_TRUE(area.page != 1 || area.field > t.lastPage1Field || !t.page1[area.field].enabled);
        }
        for (const FormCaption& caption : form->look.page1.captions)
            EXPECT_LT(caption.font, form->look.fonts.size());
        for (const FormCaption& caption : form->look.page2.captions)
            EXPECT_LT(caption.font, form->look.fonts.size());
    }
}
