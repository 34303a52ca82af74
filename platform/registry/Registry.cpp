#include "platform/registry/Registry.h"

#include "platform/registry/SystemKeys.h"
#include "platform/shell/SystemInfo.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSaveFile>

namespace platform {
namespace {

// How long a change waits for another running copy to finish its own.
constexpr int kLockWaitMs = 5000;
// The files hold a few kilobytes; a file this large is not one of ours and is not read.
constexpr qint64 kLargestFile = 8 * 1024 * 1024;

}  // namespace

Registry::Registry(QString folder) : m_folder(std::move(folder)) {}

QString Registry::defaultFolder(const QString& programFolder)
{
    return systeminfo::configHome() + u'/' + programFolder;
}

QString Registry::filePath(RegistryHive hive) const
{
    return m_folder + u'/' + registryHiveName(hive) + QStringLiteral(".reg");
}

std::optional<RegistryFile> Registry::load(RegistryHive hive) const
{
    QFile file(filePath(hive));
    if (!file.exists()) return RegistryFile(hive);
    if (file.size() > kLargestFile || !file.open(QIODevice::ReadOnly)) return std::nullopt;
    return RegistryFile::parse(hive, file.readAll());
}

std::optional<RegistryValue> Registry::readValue(RegistryHive hive, QStringView key, QStringView name) const
{
    if (systemkeys::owns(hive, key)) return systemkeys::value(hive, key, name);
    const std::optional<RegistryFile> file = load(hive);
    const RegistryValue* value = file ? file->value(key, name) : nullptr;
    return value ? std::optional<RegistryValue>(*value) : std::nullopt;
}

std::optional<quint32> Registry::readDword(RegistryHive hive, QStringView key, QStringView name) const
{
    const std::optional<RegistryValue> value = readValue(hive, key, name);
    return value ? value->toDword() : std::nullopt;
}

std::optional<QString> Registry::readString(RegistryHive hive, QStringView key, QStringView name) const
{
    const std::optional<RegistryValue> value = readValue(hive, key, name);
    return value ? value->toString() : std::nullopt;
}

bool Registry::keyExists(RegistryHive hive, QStringView key) const
{
    if (systemkeys::owns(hive, key)) return true;
    const std::optional<RegistryFile> file = load(hive);
    return file && file->hasKey(key);
}

bool Registry::writeDword(RegistryHive hive, QStringView key, QStringView name, quint32 number)
{
    return writeValue(hive, key, name, RegistryValue::fromDword(number));
}

bool Registry::writeString(RegistryHive hive, QStringView key, QStringView name, QStringView text)
{
    return writeValue(hive, key, name, RegistryValue::fromString(text));
}

bool Registry::writeValue(RegistryHive hive, QStringView key, QStringView name, const RegistryValue& value)
{
    if (!RegistryFile::isWritableName(name)) return false;
    return change(hive, key, [&](RegistryFile& file) { return file.setValue(key, name, value); });
}

bool Registry::createKey(RegistryHive hive, QStringView key)
{
    return change(hive, key, [&](RegistryFile& file) { return file.createKey(key); });
}

bool Registry::deleteValue(RegistryHive hive, QStringView key, QStringView name)
{
    return change(hive, key, [&](RegistryFile& file) { return file.removeValue(key, name); });
}

bool Registry::deleteTree(RegistryHive hive, QStringView key)
{
    return change(hive, key, [&](RegistryFile& file) { return file.removeTree(key); });
}

bool Registry::change(RegistryHive hive, QStringView key, const Edit& edit)
{
    if (systemkeys::owns(hive, key) || !RegistryFile::isWritableName(key)) return false;
    if (!QDir().mkpath(m_folder)) return false;
    QLockFile lock(filePath(hive) + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockWaitMs)) return false;
    // A file that cannot be read is never replaced: what it holds would be lost.
    std::optional<RegistryFile> file = load(hive);
    if (!file) return false;
    if (!edit(*file)) return true;
    return replaceFile(hive, *file);
}

bool Registry::replaceFile(RegistryHive hive, const RegistryFile& file) const
{
    const QString path = filePath(hive);
    if (file.isDamaged()) {
        // The lines that could not be read are lost in the new file; the old one keeps them for a person.
        QFile::remove(path + QStringLiteral(".bak"));
        QFile::copy(path, path + QStringLiteral(".bak"));
    }
    QSaveFile out(path);
    const QByteArray text = file.serialize();
    return out.open(QIODevice::WriteOnly) && out.write(text) == text.size() && out.commit();
}

}  // namespace platform
