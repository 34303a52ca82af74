#pragma once

#include "platform/registry/RegistryFile.h"
#include "platform/registry/RegistryHive.h"

#include <QString>
#include <QStringView>
#include <functional>
#include <optional>

namespace platform {

// The registry of this program: one .reg file per hive in a folder of the user's configuration. Every read
// reads the file afresh, so that what another running copy wrote is seen. Every change locks the file,
// reads it, changes the one value or key and replaces the file at once, so two running copies lose nothing
// of each other's values; a change that changes nothing leaves the file alone. A file that held lines that
// could not be read is kept as "<file>.bak" before it is written anew; a file that cannot be read at all is
// never replaced. The keys that Windows itself keeps are answered from this machine and cannot be changed
// (see SystemKeys).
//
// Key paths are relative to the hive with backslashes between their parts; names match without regard to
// case; the empty value name is the key's default value. Changes answer false when they could not be made.
class Registry {
public:
    explicit Registry(QString folder);

    // $XDG_CONFIG_HOME/<programFolder>, with ~/.config when XDG_CONFIG_HOME is unset or empty.
    static QString defaultFolder(const QString& programFolder);

    QString folder() const { return m_folder; }
    QString filePath(RegistryHive hive) const;

    // Numbers are REG_DWORD values of four bytes and texts REG_SZ values; a value of another type or size
    // reads as absent.
    std::optional<quint32> readDword(RegistryHive hive, QStringView key, QStringView name) const;
    std::optional<QString> readString(RegistryHive hive, QStringView key, QStringView name) const;
    bool keyExists(RegistryHive hive, QStringView key) const;

    bool writeDword(RegistryHive hive, QStringView key, QStringView name, quint32 number);
    bool writeString(RegistryHive hive, QStringView key, QStringView name, QStringView text);
    bool createKey(RegistryHive hive, QStringView key);
    // Removing what is not there succeeds.
    bool deleteValue(RegistryHive hive, QStringView key, QStringView name);
    // The key with all its values and subkeys.
    bool deleteTree(RegistryHive hive, QStringView key);

    // Why the last change failed, for a person; empty after a change that succeeded.
    QString lastError() const { return m_lastError; }

private:
    using Edit = std::function<bool(RegistryFile&)>;  // answers whether it changed the file

    struct Loaded {
        RegistryFile file;
        QByteArray bytes;  // as read from the disk
    };
    // Nothing when the file is there but cannot be read.
    std::optional<Loaded> load(RegistryHive hive) const;
    std::optional<RegistryValue> readValue(RegistryHive hive, QStringView key, QStringView name) const;
    bool writeValue(RegistryHive hive, QStringView key, QStringView name, const RegistryValue& value);
    bool change(RegistryHive hive, QStringView key, const Edit& edit);
    bool replaceFile(RegistryHive hive, const Loaded& loaded) const;

    QString m_folder;
    mutable QString m_lastError;
};

}  // namespace platform
