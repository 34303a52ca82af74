#pragma once

#include "platform/file/WholeFile.h"
#include "platform/registry/RegistryFile.h"
#include "platform/registry/RegistryHive.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <functional>
#include <optional>

namespace platform {

// The registry of this program: one .reg file per hive in a folder of the user's configuration. A read
// looks at the file once (one stat) and reads and parses it again only when it changed, so that what another
// running copy wrote is seen without reading the file for every value. A change that changes nothing writes
// nothing; any other locks the file, reads what it holds now, makes the change and replaces the file at once,
// so two running copies lose nothing of each other's values. A batch gathers many changes into one such
// write. A file that held lines that could not be read is kept as "<file>.bak" before it is written anew; a
// file that cannot be read at all is never replaced. The keys that Windows itself keeps are answered from
// this machine and cannot be changed (see SystemKeys).
//
// Key paths are relative to the hive with backslashes between their parts; names match without regard to
// case; the empty value name is the key's default value. Changes answer false when they could not be made,
// and lastError() says why.
class Registry {
public:
    // Gathers the changes made to the registry while it lives, so that an operation that writes many values
    // takes each file's lock once and replaces each file once. Reads see the gathered changes at once.
    // commit() stores them and says whether all was stored; a batch that ends without commit() stores them
    // all the same and logs what could not be stored.
    class Batch {
    public:
        explicit Batch(Registry& registry);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

        wholefile::WriteResult commit();

    private:
        Registry& m_registry;
        bool m_open = true;
    };

    explicit Registry(QString folder);

    // $XDG_CONFIG_HOME/<programFolder>, with ~/.config when XDG_CONFIG_HOME is unset or empty.
    static QString defaultFolder(const QString& programFolder);

    QString folder() const { return m_folder; }
    QString filePath(RegistryHive hive) const;

    // Numbers are REG_DWORD values of four bytes and texts REG_SZ values; a value of another type or size
    // reads as absent.
    std::optional<quint32> readDword(RegistryHive hive, QStringView key, QStringView name) const;
    std::optional<QString> readString(RegistryHive hive, QStringView key, QStringView name) const;
    // A value of any type, binary ones among them.
    std::optional<RegistryValue> readValue(RegistryHive hive, QStringView key, QStringView name) const;
    bool keyExists(RegistryHive hive, QStringView key) const;

    bool writeDword(RegistryHive hive, QStringView key, QStringView name, quint32 number);
    bool writeString(RegistryHive hive, QStringView key, QStringView name, QStringView text);
    bool writeValue(RegistryHive hive, QStringView key, QStringView name, const RegistryValue& value);
    bool createKey(RegistryHive hive, QStringView key);
    // Removing what is not there succeeds.
    bool deleteValue(RegistryHive hive, QStringView key, QStringView name);
    // The key with all its values and subkeys.
    bool deleteTree(RegistryHive hive, QStringView key);
    // The key with its values, unless a key lies below it: then nothing is deleted and the call fails.
    bool deleteKey(RegistryHive hive, QStringView key);

    // Why the last change failed, for a person; empty after a change that succeeded.
    QString lastError() const { return m_lastError; }
    // Grows whenever what reads give may have changed since: a change made here, or a file found changed on
    // the disk. What was worked out from values read may be kept while it stays the same.
    quint64 changeCount() const { return m_changeCount; }

private:
    using Edit = std::function<bool(RegistryFile&)>;  // answers whether it changed the file

    // What this registry knows of one hive's file.
    struct HiveFile {
        wholefile::Stamp stamp;  // of the file as it was read
        bool known = false;      // false: what is in memory may differ from the disk, read it again
        QByteArray bytes;        // as read from the disk or written
        RegistryFile file;
        QString error;  // why the file, which is there, cannot be read
        // While a batch is open: the file with the batch's changes, and the changes themselves.
        std::optional<RegistryFile> pending;
        QList<Edit> edits;
    };

    HiveFile& hiveFile(RegistryHive hive) const;
    // The hive's file as it is on the disk now: read again only when its stamp changed.
    HiveFile& upToDate(RegistryHive hive) const;
    // Reads the file unless it holds just the bytes read last; whether what is in memory was read anew.
    bool load(HiveFile& state, RegistryHive hive) const;
    // The file as reads see it, the batch's changes included; nothing when it cannot be read.
    const RegistryFile* current(RegistryHive hive) const;

    bool change(RegistryHive hive, QStringView key, const Edit& edit);
    // Makes a change of an open batch in memory, to be written when the batch ends.
    void gather(RegistryHive hive, const Edit& edit);
    wholefile::WriteResult commit(RegistryHive hive, const QList<Edit>& edits);
    wholefile::WriteResult applyAgain(RegistryHive hive, HiveFile& state, const QList<Edit>& edits);
    wholefile::WriteResult replaceFile(RegistryHive hive, HiveFile& state);
    void beginBatch();
    wholefile::WriteResult endBatch();

    QString m_folder;
    mutable std::array<std::optional<HiveFile>, 3> m_hives;
    int m_batchDepth = 0;
    QStringList m_batchErrors;
    QString m_lastError;
    mutable quint64 m_changeCount = 0;
};

}  // namespace platform
