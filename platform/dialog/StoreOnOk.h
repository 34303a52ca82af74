#pragma once

#include "platform/file/WholeFile.h"

#include <QString>
#include <functional>

namespace platform {

// What a dialog's OK stores besides ending the dialog, such as the settings it shows. A dialog runs it
// once every entry was accepted; when it could not store, the dialog tells why and stays open, so that
// nothing the person set is lost without a word.
using StoreOnOk = std::function<wholefile::WriteResult()>;

inline const QString kSettingsNotStoredMessage =
    QStringLiteral("Die Einstellungen konnten nicht gespeichert werden.");

// Tells a failure to store with its reason. Whether the dialog may end.
bool storedOrTold(const wholefile::WriteResult& stored);

}  // namespace platform
