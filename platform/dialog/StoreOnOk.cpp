#include "platform/dialog/StoreOnOk.h"

#include "platform/dialog/UiService.h"

#include <QGuiApplication>

namespace platform {

bool storedOrTold(const wholefile::WriteResult& stored)
{
    if (stored.ok()) return true;
    UiService::instance().messageBox({QGuiApplication::applicationDisplayName(),
                                      kSettingsNotStoredMessage + QStringLiteral("\n\n") + stored.error,
                                      MessageButtons::Ok, MessageIcon::Warning});
    return false;
}

}  // namespace platform
