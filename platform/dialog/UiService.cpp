#include "platform/dialog/UiService.h"

#include "platform/dialog/QtUiService.h"

#include <QDialog>

namespace platform {
namespace {

UiService*& replacement()
{
    static UiService* service = nullptr;
    return service;
}

}  // namespace

UiService& UiService::instance()
{
    static QtUiService real;
    return replacement() ? *replacement() : real;
}

int UiService::runDialog(QDialog& dialog)
{
    return dialog.exec();
}

void UiService::setInstance(UiService* service)
{
    replacement() = service;
}

}  // namespace platform
