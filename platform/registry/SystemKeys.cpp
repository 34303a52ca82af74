#include "platform/registry/SystemKeys.h"

#include "platform/registry/RegistryFile.h"
#include "platform/shell/DefaultBrowser.h"
#include "platform/shell/SystemInfo.h"

#include <QString>
#include <algorithm>

namespace platform::systemkeys {
namespace {

constexpr QStringView kShellFolders =
    u"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr QStringView kHtmExtension = u".htm";
// The class Windows gives to web pages; its open command starts the browser.
constexpr QStringView kHtmlClass = u"htmlfile";
constexpr QStringView kHtmlOpenCommand = u"htmlfile\\shell\\open\\command";

struct SystemKey {
    RegistryHive hive;
    QStringView path;
};
constexpr SystemKey kSystemKeys[] = {
    {RegistryHive::CurrentUser, kShellFolders},
    {RegistryHive::ClassesRoot, kHtmExtension},
    {RegistryHive::ClassesRoot, kHtmlClass},
};

bool same(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

std::optional<RegistryValue> text(const std::optional<QString>& answer)
{
    if (!answer) return std::nullopt;
    return RegistryValue::fromString(*answer);
}

}  // namespace

bool owns(RegistryHive hive, QStringView key)
{
    const QString path = RegistryFile::normalizedKey(key);
    return std::any_of(std::begin(kSystemKeys), std::end(kSystemKeys), [&](const SystemKey& system) {
        return system.hive == hive && RegistryFile::isWithin(path, system.path);
    });
}

std::optional<RegistryValue> value(RegistryHive hive, QStringView key, QStringView name)
{
    const QString path = RegistryFile::normalizedKey(key);
    if (hive == RegistryHive::CurrentUser && same(path, kShellFolders) && same(name, u"Personal")) {
        return text(systeminfo::documentsFolder());
    }
    if (hive != RegistryHive::ClassesRoot || !name.isEmpty()) return std::nullopt;
    if (same(path, kHtmExtension)) {
        return text(defaultBrowserProgram() ? std::optional<QString>(kHtmlClass.toString()) : std::nullopt);
    }
    if (same(path, kHtmlOpenCommand)) {
        const std::optional<QString> browser = defaultBrowserProgram();
        if (browser) return RegistryValue::fromString(u'"' + *browser + QStringLiteral("\" \"%1\""));
    }
    return std::nullopt;
}

}  // namespace platform::systemkeys
