#include "platform/registry/Registry.h"

#include "platform/file/FileLock.h"
#include "platform/registry/SystemKeys.h"
#include "platform/shell/SystemInfo.h"

#include <QDebug>
#include <QDir>

namespace platform {
namespace {

using Stamp = wholefile::Stamp;

// How long a change waits for other running copies to finish their own.
constexpr int kLockWaitMs = 5000;
// The files hold a few kilobytes; a file this large is not one of ours and is not read.
constexpr qint64 kLargestFile = 8 * 1024 * 1024;

using Edit = std::function<bool(RegistryFile&)>;

// Makes the changes; whether the file holds anything else afterwards. Among several changes one may undo
// another (a key deleted and written again as it was): that is no change.
bool apply(RegistryFile& file, const QList<Edit>& edits)
{
    if (edits.size() == 1) return edits.front()(file);
    const RegistryFile before = file;
    bool changed = false;
    for (const Edit& edit : edits) changed |= edit(file);
    return changed && file.serialize() != before.serialize();
}

}  // namespace

Registry::Batch::Batch(Registry& registry) : m_registry(registry)
{
    m_registry.beginBatch();
}

Registry::Batch::~Batch()
{
    if (!m_open) return;
    const wholefile::WriteResult result = commit();
    if (!result.ok()) qWarning().noquote() << "Settings could not be stored:" << result.error;
}

wholefile::WriteResult Registry::Batch::commit()
{
    if (!m_open) return {};
    m_open = false;
    return m_registry.endBatch();
}

Registry::Registry(QString folder) : m_folder(std::move(folder)) {}

QString Registry::defaultFolder(const QString& programFolder)
{
    return systeminfo::configHome() + u'/' + programFolder;
}

QString Registry::filePath(RegistryHive hive) const
{
    return m_folder + u'/' + registryHiveName(hive) + QStringLiteral(".reg");
}

Registry::HiveFile& Registry::hiveFile(RegistryHive hive) const
{
    std::optional<HiveFile>& state = m_hives.at(static_cast<size_t>(hive));
    if (!state) {
        state.emplace(HiveFile{{}, false, {}, RegistryFile(hive), {}, {}, {}});
        load(*state, hive);
    }
    return *state;
}

Registry::HiveFile& Registry::upToDate(RegistryHive hive) const
{
    HiveFile& state = hiveFile(hive);
    if ((!state.known || wholefile::stampOf(filePath(hive)) != state.stamp) && load(state, hive))
        ++m_changeCount;
    return state;
}

bool Registry::load(HiveFile& state, RegistryHive hive) const
{
    const wholefile::ReadResult read = wholefile::read(filePath(hive), kLargestFile);
    const bool wasMissing = state.known && state.error.isEmpty() && state.stamp.kind == Stamp::Kind::Missing;
    const bool wasRead = state.known && state.error.isEmpty() && state.stamp.kind == Stamp::Kind::Regular;
    state.known = true;
    state.error = read.error;
    switch (read.status) {
        case wholefile::ReadResult::Status::Missing:
            state.stamp = {};
            if (wasMissing) return false;
            state.bytes.clear();
            state.file = RegistryFile(hive);
            return true;
        case wholefile::ReadResult::Status::Read:
            state.stamp = read.stamp;
            // The same bytes as before need no parsing: only the stamp changed.
            if (wasRead && read.bytes == state.bytes) return false;
            state.bytes = read.bytes;
            state.file = RegistryFile::parse(hive, read.bytes);
            return true;
        default:
            state.stamp = wholefile::stampOf(filePath(hive));
            state.bytes.clear();
            state.file = RegistryFile(hive);
            return true;
    }
}

const RegistryFile* Registry::current(RegistryHive hive) const
{
    HiveFile& state = hiveFile(hive);
    if (state.pending) return &*state.pending;
    upToDate(hive);
    return state.error.isEmpty() ? &state.file : nullptr;
}

std::optional<RegistryValue> Registry::readValue(RegistryHive hive, QStringView key, QStringView name) const
{
    if (systemkeys::owns(hive, key)) return systemkeys::value(hive, key, name);
    const RegistryFile* file = current(hive);
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
    const RegistryFile* file = current(hive);
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
    if (!RegistryFile::isWritableName(name)) {
        m_lastError = QStringLiteral("Der Name „%1“ kann nicht gespeichert werden.").arg(name);
        return false;
    }
    return change(hive, key, [key = key.toString(), name = name.toString(), value](RegistryFile& file) {
        return file.setValue(key, name, value);
    });
}

bool Registry::createKey(RegistryHive hive, QStringView key)
{
    return change(hive, key, [key = key.toString()](RegistryFile& file) { return file.createKey(key); });
}

bool Registry::deleteValue(RegistryHive hive, QStringView key, QStringView name)
{
    return change(hive, key, [key = key.toString(), name = name.toString()](RegistryFile& file) {
        return file.removeValue(key, name);
    });
}

bool Registry::deleteTree(RegistryHive hive, QStringView key)
{
    return change(hive, key, [key = key.toString()](RegistryFile& file) { return file.removeTree(key); });
}

bool Registry::deleteKey(RegistryHive hive, QStringView key)
{
    const RegistryFile* file = current(hive);
    if (file && file->hasSubkeys(key)) {
        m_lastError = QStringLiteral("Der Schlüssel „%1“ hat Unterschlüssel.").arg(key);
        return false;
    }
    return change(hive, key, [key = key.toString()](RegistryFile& changed) {
        return !changed.hasSubkeys(key) && changed.removeTree(key);
    });
}

bool Registry::change(RegistryHive hive, QStringView key, const Edit& edit)
{
    ++m_changeCount;
    m_lastError.clear();
    if (systemkeys::owns(hive, key) || !RegistryFile::isWritableName(key)) {
        m_lastError = QStringLiteral("Der Schlüssel „%1“ kann nicht geändert werden.").arg(key);
    } else if (m_batchDepth == 0) {
        m_lastError = commit(hive, {edit}).error;
    } else {
        gather(hive, edit);
    }
    if (m_batchDepth > 0 && !m_lastError.isEmpty()) m_batchErrors.append(m_lastError);
    return m_lastError.isEmpty();
}

void Registry::gather(RegistryHive hive, const Edit& edit)
{
    HiveFile& state = hiveFile(hive);
    if (!state.pending) {
        upToDate(hive);
        if (!state.error.isEmpty()) {
            m_lastError = state.error;
            return;
        }
        state.pending = state.file;
    }
    edit(*state.pending);
    state.edits.append(edit);
}

wholefile::WriteResult Registry::commit(RegistryHive hive, const QList<Edit>& edits)
{
    HiveFile& state = upToDate(hive);
    if (!state.error.isEmpty()) return {state.error};
    // The changes are made on the file as it was read last. When the disk still holds just that once the
    // file is locked, that is what gets written; else they are made again on what it holds then.
    if (!apply(state.file, edits)) return {};

    QDir().mkpath(m_folder);
    const FileLock lock(filePath(hive) + QStringLiteral(".lock"), kLockWaitMs);
    wholefile::WriteResult result{lock.error()};
    if (lock.isLocked())
        result = load(state, hive) ? applyAgain(hive, state, edits) : replaceFile(hive, state);
    // What is in memory is no longer what the disk holds: the next read reads the file.
    if (!result.ok()) state.known = false;
    return result;
}

wholefile::WriteResult Registry::applyAgain(RegistryHive hive, HiveFile& state, const QList<Edit>& edits)
{
    // A file that cannot be read is never replaced: what it holds would be lost.
    if (!state.error.isEmpty()) return {state.error};
    return apply(state.file, edits) ? replaceFile(hive, state) : wholefile::WriteResult{};
}

wholefile::WriteResult Registry::replaceFile(RegistryHive hive, HiveFile& state)
{
    const QString path = filePath(hive);
    const bool damaged = state.file.isDamaged();
    if (damaged) {
        // The lines that could not be read are lost in the new file: the old one is kept for a person, and
        // without that copy the file is not rewritten.
        const wholefile::WriteResult backup = wholefile::replace(path + QStringLiteral(".bak"), state.bytes);
        if (!backup.ok()) return backup;
    }
    const QByteArray text = state.file.serialize();
    const wholefile::WriteResult written = wholefile::replace(path, text);
    if (!written.ok()) return written;
    state.stamp = wholefile::stampOf(path);
    state.bytes = text;
    // What was written is whole: a file that was damaged is read anew, without its damage.
    if (damaged) state.file = RegistryFile::parse(hive, text);
    return written;
}

void Registry::beginBatch()
{
    ++m_batchDepth;
}

wholefile::WriteResult Registry::endBatch()
{
    if (--m_batchDepth > 0) return {};
    QStringList errors = std::exchange(m_batchErrors, {});
    for (size_t i = 0; i < m_hives.size(); ++i) {
        std::optional<HiveFile>& state = m_hives[i];
        if (!state || !state->pending) continue;
        const QList<Edit> edits = std::exchange(state->edits, {});
        state->pending.reset();
        const wholefile::WriteResult result = commit(static_cast<RegistryHive>(i), edits);
        if (!result.ok()) errors.append(result.error);
    }
    // Every change of a file that cannot be read was refused for the same reason: once is enough.
    errors.removeDuplicates();
    return {errors.join(u'\n')};
}

}  // namespace platform
