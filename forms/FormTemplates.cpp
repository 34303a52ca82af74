#include "forms/FormTemplates.h"

#include "forms/FormList.h"
#include "forms/common/FormDocument.h"
#include "forms/common/FormView.h"

std::vector<platform::DocTemplate> CreateFormTemplates(CQELWinAppEx& app)
{
    std::vector<platform::DocTemplate> templates;
    for (const FormDefinition* form : AllForms()) {
        platform::DocTemplate::ViewFactory views;
        if (form->createView) {
            views = [&app, form](platform::Document& document) {
                return form->createView(app, static_cast<FormDocument&>(document));
            };
        }
        templates.emplace_back(
            form->menuId, form->docString.toString(), [&app, form] { return form->createDocument(app); },
            std::move(views));
    }
    return templates;
}
