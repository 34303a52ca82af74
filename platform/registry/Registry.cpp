#include "platform/registry/Registry.h"

#include "platform/file/FileLock.h"
#include "platform/file/WholeFile.h"
#include "platform/registry/SystemKeys.h"
#include "platform/shell/SystemInfo.h"

#include <QDir>

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

std::optional<Registry::Loaded> Registry::load(RegistryHive hive) const
{
    const wholefile::ReadResult read = wholefile::read(filePath(hive), kLargestFile);
    if (read.status == wholefile::ReadResult::Status::Missing) return Loaded{RegistryFile(hive), {}};
    if (read.status != wholefile::ReadResult::Status::Read) {
        m_lastError = read.error;
        return std::nullopt;
    }
    return Loaded{RegistryFile::parse(hive, read.bytes), read.bytes};
}

std::optional<RegistryValue> Registry::readValue(RegistryHive hive, QStringView key, QStringView name) const
{
    if (systemkeys::owns(hive, key)) return systemkeys::value(hive, key, name);
    const std::optional<Loaded> loaded = load(hive);
    const RegistryValue* value = loaded ? loaded->file.value(key, name) : nullptr;
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
    const std::optional<Loaded> loaded = load(hive);
    return loaded && loaded->file.hasKey(key);
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
    m_lastError.clear();
    if (systemkeys::owns(hive, key) || !RegistryFile::isWritableName(key)) return false;
    QDir().mkpath(m_folder);
    const FileLock lock(filePath(hive) + QStringLiteral(".lock"), kLockWaitMs);
    if (!lock.isLocked()) {
        m_lastError = lock.error();
        return false;
    }
    // A file that cannot be read is never replaced: what it holds would be lost.
    std::optional<Loaded> loaded = load(hive);
    if (!loaded) return false;
    if (!edit(loaded->file)) return true;
    return replaceFile(hive, *loaded);
}

bool Registry::replaceFile(RegistryHive hive, const Loaded& loaded) const
{
    const QString path = filePath(hive);
    if (loaded.file.isDamaged()) {
        // The lines that could not be read are lost in the new file: the old one is kept for a person, and
        // without that copy the file is not rewritten.
        const wholefile::WriteResult backup = wholefile::replace(path + QStringLiteral(".bak"), loaded.bytes);
        if (!backup.ok()) {
            m_lastError = backup.error;
            return false;
        }
    }
    const wholefile::WriteResult written = wholefile::replace(path, loaded.file.serialize());
    m_lastError = written.error;
    return written.ok();
}

}  // namespace platform
