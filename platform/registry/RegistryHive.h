#pragma once

#include <QString>

namespace platform {

// The three parts of the registry the program uses; each is kept in a file of its own.
enum class RegistryHive { CurrentUser, LocalMachine, ClassesRoot };

// The name under which the hive heads its keys in a .reg file, and the name of that file.
inline QString registryHiveName(RegistryHive hive)
{
    switch (hive) {
        case RegistryHive::CurrentUser:
            return QStringLiteral("HKEY_CURRENT_USER");
        case RegistryHive::LocalMachine:
            return QStringLiteral("HKEY_LOCAL_MACHINE");
        case RegistryHive::ClassesRoot:
            return QStringLiteral("HKEY_CLASSES_ROOT");
    }
    return {};
}

}  // namespace platform
