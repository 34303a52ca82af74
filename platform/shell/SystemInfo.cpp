#include "platform/shell/SystemInfo.h"

#include <pwd.h>
#include <unistd.h>
#include <QStandardPaths>
#include <QSysInfo>
#include <vector>

namespace platform::systeminfo {
namespace {

std::optional<QString> nonEmpty(const QString& text)
{
    return text.isEmpty() ? std::nullopt : std::optional<QString>(text);
}

}  // namespace

std::optional<QString> userName()
{
    const long suggested = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? static_cast<size_t>(suggested) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_name) {
        if (auto name = nonEmpty(QString::fromLocal8Bit(found->pw_name))) return name;
    }
    // A container may run under a user id that has no entry in the user database.
    return nonEmpty(qEnvironmentVariable("USER"));
}

std::optional<QString> computerName()
{
    return nonEmpty(QSysInfo::machineHostName());
}

std::optional<QString> documentsFolder()
{
    return nonEmpty(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

QString configHome()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString dataHome()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

}  // namespace platform::systeminfo
