#pragma once

#include "app/SettingsKeys.h"
#include "platform/registry/Registry.h"

#include <QString>
#include <QStringView>

// The program's settings: integer and text values in sections, the sections subkeys of one key of the
// current user's registry. Every read names its default, so a missing key, a missing value or a value of
// the wrong type never fails. Each read sees what any running copy wrote last; a write that changes nothing
// writes nothing, and the writes of one operation are gathered into one write of the file by a batch.
class SettingsStore {
public:
    // A store on the registry files in `registryFolder`, its sections below HKEY_CURRENT_USER\<root>. With
    // an empty root there is no store yet: reads give their defaults and writes fail.
    explicit SettingsStore(QString registryFolder, QString root = {});

    const QString& root() const { return m_root; }

    int GetProfileInt(QStringView section, QStringView name, int defaultValue) const;
    bool WriteProfileInt(QStringView section, QStringView name, int value);
    QString GetProfileString(QStringView section, QStringView name, QStringView defaultValue) const;
    bool WriteProfileString(QStringView section, QStringView name, QStringView value);

    int GetProfileInt(const settings::IntValue& value) const;
    QString GetProfileString(const settings::TextValue& value) const;
    bool WriteProfileInt(const settings::ValueName& value, int number);
    bool WriteProfileString(const settings::ValueName& value, QStringView text);

    // Gathers the writes of one operation (a dialog's OK, the workspace at exit) until the batch is committed
    // or ends: the settings file is then locked and replaced once. The commit says what could not be stored.
    [[nodiscard]] platform::Registry::Batch batch() { return platform::Registry::Batch(m_registry); }

    // Grows whenever what the reads give may have changed since.
    quint64 changeCount() const { return m_registry.changeCount(); }

    // Deletes a section with all its values and subkeys; the empty section is the whole root. A section
    // that is not there is no error.
    bool DeleteKey(QStringView section);

protected:
    void setRoot(QString root) { m_root = std::move(root); }

private:
    QString keyOf(QStringView section) const;

    platform::Registry m_registry;
    QString m_root;
};
