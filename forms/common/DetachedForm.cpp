#include "forms/common/DetachedForm.h"

DetachedForm DetachedForm::Create(const platform::DocTemplate& docTemplate)
{
    DetachedForm form;
    form.doc.reset(static_cast<FormDocument*>(docTemplate.createDocument().release()));
    return form;
}
