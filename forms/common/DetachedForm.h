#pragma once

#include "forms/common/FormDocument.h"
#include "platform/docview/DocTemplate.h"

#include <memory>

// A form document of a template without a view: a whole form without a window, for tests and tools. The
// document keeps its fields in an editor of its own.
struct DetachedForm {
    std::unique_ptr<FormDocument> doc;

    CQeEditWindow& editor() { return *doc->FieldEditor(); }

    static DetachedForm Create(const platform::DocTemplate& docTemplate);
};
