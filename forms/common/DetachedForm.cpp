#include "forms/common/DetachedForm.h"

DetachedForm DetachedForm::Create(const platform::DocTemplate& docTemplate)
{
    DetachedForm form;
    form.doc.reset(static_cast<FormDocument*>(docTemplate.createDocument().release()));
    form.view = std::make_unique<DetachedFormEditor>(form.doc->fieldTable());
    form.doc->AttachView(form.view.get());
    return form;
}
