#include "platform/docview/DocTemplate.h"

#include <gtest/gtest.h>
#include <vector>

using namespace platform;
using Field = DocTemplate::Field;

namespace {

std::vector<DocTemplate> formTemplates()
{
    const DocTemplate::Factory none = [] { return nullptr; };
    return {
        DocTemplate(
            131,
            "\nEuform\nWarenverkehrsbesch. (EUR.1)\nEUR1 Form. (*.fme)\n.fme\nEUR1-Dokument\nEUR1-Dokument",
            none),
        DocTemplate(
            134,
            "\nLZErk\nLangzeiterklärung (848a)\nLangzeiterklärung (*.lz1)\n.LZ1\nLangeiterkl848a.Dokument\n"
            "Langzeiterklärung 848a",
            none),
    };
}

}  // namespace

TEST(DocTemplate, SplitsTheSevenFieldsOfItsDocumentString)
{
    const auto templates = formTemplates();
    EXPECT_EQ(templates[0].field(Field::WindowTitle), "");
    EXPECT_EQ(templates[0].field(Field::DocName), "Euform");
    EXPECT_EQ(templates[0].field(Field::FilterName), "EUR1 Form. (*.fme)");
    EXPECT_EQ(templates[1].field(Field::FilterExt), ".LZ1");
    EXPECT_EQ(templates[1].field(Field::RegFileTypeName), QString::fromUtf8("Langzeiterklärung 848a"));
}

TEST(DocTemplate, FindsTheTemplateByExtensionWithoutRegardToCase)
{
    const auto templates = formTemplates();
    EXPECT_EQ(DocTemplate::findForFile(templates, "/a/b.lz1")->resourceId(), 134);
    EXPECT_EQ(DocTemplate::findForFile(templates, "/a/B.FME")->resourceId(), 131);
    // A foreign extension goes to the first template, as does a name that only contains the extension.
    EXPECT_EQ(DocTemplate::findForFile(templates, "/a/b.lz2")->resourceId(), 131);
    EXPECT_EQ(DocTemplate::findForFile(templates, "/a/b.lz1.txt")->resourceId(), 131);
    EXPECT_EQ(DocTemplate::findForFile({}, "/a/b.fme"), nullptr);
}
