#include "app/SettingsStore.h"

using platform::RegistryHive;

SettingsStore::SettingsStore(QString registryFolder, QString root)
    : m_registry(std::move(registryFolder)), m_root(std::move(root))
{
}

QString SettingsStore::keyOf(QStringView section) const
{
    return section.isEmpty() ? m_root : m_root + u'\\' + section.toString();
}

int SettingsStore::GetProfileInt(QStringView section, QStringView name, int defaultValue) const
{
    if (m_root.isEmpty()) return defaultValue;
    const std::optional<quint32> stored =
        m_registry.readDword(RegistryHive::CurrentUser, keyOf(section), name);
    return stored ? static_cast<int>(*stored) : defaultValue;
}

bool SettingsStore::WriteProfileInt(QStringView section, QStringView name, int value)
{
    return !m_root.isEmpty() && m_registry.writeDword(RegistryHive::CurrentUser, keyOf(section), name,
                                                      static_cast<quint32>(value));
}

QString SettingsStore::GetProfileString(QStringView section, QStringView name, QStringView defaultValue) const
{
    if (m_root.isEmpty()) return defaultValue.toString();
    return m_registry.readString(RegistryHive::CurrentUser, keyOf(section), name)
        .value_or(defaultValue.toString());
}

bool SettingsStore::WriteProfileString(QStringView section, QStringView name, QStringView value)
{
    return !m_root.isEmpty() &&
           m_registry.writeString(RegistryHive::CurrentUser, keyOf(section), name, value);
}

int SettingsStore::GetProfileInt(const settings::IntValue& value) const
{
    return GetProfileInt(value.section, value.name, value.defaultValue);
}

QString SettingsStore::GetProfileString(const settings::TextValue& value) const
{
    return GetProfileString(value.section, value.name, value.defaultValue);
}

bool SettingsStore::WriteProfileInt(const settings::ValueName& value, int number)
{
    return WriteProfileInt(value.section, value.name, number);
}

bool SettingsStore::WriteProfileString(const settings::ValueName& value, QStringView text)
{
    return WriteProfileString(value.section, value.name, text);
}

bool SettingsStore::DeleteKey(QStringView section)
{
    return !m_root.isEmpty() && m_registry.deleteTree(RegistryHive::CurrentUser, keyOf(section));
}
