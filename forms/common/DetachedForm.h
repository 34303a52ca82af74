#pragma once

#include "forms/common/DetachedFormEditor.h"
#include "forms/common/FormDocument.h"
#include "platform/docview/DocTemplate.h"

#include <memory>

// A form document of a template with a detached editor standing in for its view: a whole form without a
// window, for tests and tools.
struct DetachedForm {
    std::unique_ptr<FormDocument> doc;
    std::unique_ptr<DetachedFormEditor> view;

    CQeEditWindow& editor() { return view->FieldEditor(); }

    static DetachedForm Create(const platform::DocTemplate& docTemplate);
};
