#pragma once

#include "platform/registry/RegistryHive.h"
#include "platform/registry/RegistryValue.h"

#include <QStringView>
#include <optional>

namespace platform {

// The keys that Windows itself keeps, answered from this machine and never written: the user's documents
// folder as "Personal" under Explorer's "Shell Folders", and the web browser as the class of ".htm" with
// the open command "<program>" "%1".
namespace systemkeys {

// Whether `key` is, or lies below, a key that the system owns.
bool owns(RegistryHive hive, QStringView key);

// The system's answer for a value of such a key; nothing when this machine has no answer.
std::optional<RegistryValue> value(RegistryHive hive, QStringView key, QStringView name);

}  // namespace systemkeys
}  // namespace platform
