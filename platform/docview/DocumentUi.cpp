#include "platform/docview/DocumentUi.h"

#include "platform/docview/QtDocumentUi.h"

namespace platform {
namespace {

DocumentUi*& replacement()
{
    static DocumentUi* service = nullptr;
    return service;
}

}  // namespace

DocumentUi& DocumentUi::instance()
{
    static QtDocumentUi real;
    return replacement() ? *replacement() : real;
}

void DocumentUi::setInstance(DocumentUi* service)
{
    replacement() = service;
}

}  // namespace platform
