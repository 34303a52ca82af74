#include "forms/FormTemplates.h"

#include "forms/atr/CATR_Doc.h"
#include "forms/atr/CATR_View.h"
#include "forms/eur1/CEUR1_Doc.h"
#include "forms/lze848a/CLZE_848a_Doc.h"
#include "forms/uz/CUrsprungszeugnis_Doc.h"

namespace {

template <typename Doc>
platform::DocTemplate::Factory FactoryOf(CQELWinAppEx& app)
{
    return [&app] { return std::make_unique<Doc>(app); };
}

template <typename View, typename Doc>
platform::DocTemplate::ViewFactory ViewFactoryOf(CQELWinAppEx& app)
{
    return [&app](platform::Document& document) { return new View(app, static_cast<Doc&>(document)); };
}

}  // namespace

std::vector<platform::DocTemplate> CreateFormTemplates(CQELWinAppEx& app)
{
    std::vector<platform::DocTemplate> templates;
    templates.emplace_back(
        131,
        QStringLiteral(
            "\nEuform\nWarenverkehrsbesch. (EUR.1)\nEUR1 Form. (*.fme)\n.fme\nEUR1-Dokument\nEUR1-Dokument"),
        FactoryOf<CEUR1_Doc>(app));
    templates.emplace_back(
        132,
        QStringLiteral(
            "\nATRform\nWarenverkehrsbesch. (A.TR.)\nA.TR. Form. (*.fma)\n.fma\nATR-Dokument\nATR-Dokument"),
        FactoryOf<CATR_Doc>(app), ViewFactoryOf<CATR_View, CATR_Doc>(app));
    templates.emplace_back(
        133,
        QStringLiteral(
            "\nUZform\nUrsprungszeugnis (U08) \nUZ Form. (*.fmu)\n.fmu\nUrsprungszeugnis\nUrsprungszeugnis"),
        FactoryOf<CUrsprungszeugnis_Doc>(app));
    templates.emplace_back(
        134,
        QStringLiteral("\nLZErk\nLangzeiterklärung (848a)\nLangzeiterklärung (*.lz1)\n.LZ1\n"
                       "Langeiterkl848a.Dokument\nLangzeiterklärung 848a"),
        FactoryOf<CLZE_848a_Doc>(app));
    return templates;
}
