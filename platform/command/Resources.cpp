#include "platform/command/Resources.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeySequence>
#include <algorithm>
#include <optional>

namespace platform {
namespace {

std::optional<QJsonObject> readTable(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) return std::nullopt;
    return document.object();
}

// Every table is an object keyed by resource id; a key that is no number is no resource.
template <typename Value, typename Convert>
std::optional<QHash<int, Value>> byId(const QJsonObject& table, Convert convert)
{
    QHash<int, Value> result;
    for (auto it = table.begin(); it != table.end(); ++it) {
        bool isNumber = false;
        const int id = it.key().toInt(&isNumber);
        if (!isNumber) return std::nullopt;
        result.insert(id, convert(it.value()));
    }
    return result;
}

QList<MenuEntry> parseMenuItems(const QJsonValue& value)
{
    QList<MenuEntry> items;
    for (const QJsonValue& entry : value.toArray()) {
        const QJsonObject object = entry.toObject();
        items.append({object.value(u"id").toInt(), object.value(u"text").toString(),
                      object.value(u"separator").toBool(), parseMenuItems(object.value(u"items"))});
    }
    return items;
}

QList<Accelerator> parseAccelerators(const QJsonValue& value)
{
    QList<Accelerator> result;
    for (const QJsonValue& entry : value.toArray()) {
        const QJsonArray pair = entry.toArray();
        const QKeySequence keys = QKeySequence::fromString(pair.at(0).toString(), QKeySequence::PortableText);
        if (keys.count() != 1) continue;
        result.append({keys[0], pair.at(1).toInt()});
    }
    return result;
}

QList<int> parseButtons(const QJsonValue& value)
{
    QList<int> result;
    for (const QJsonValue& entry : value.toArray()) result.append(entry.toInt());
    return result;
}

void collectCommands(const QList<MenuEntry>& items, QList<int>& commands)
{
    for (const MenuEntry& item : items) {
        if (item.isPopup()) {
            collectCommands(item.items, commands);
        } else if (item.id != 0 && !commands.contains(item.id)) {
            commands.append(item.id);
        }
    }
}

const Resources*& current()
{
    static const Resources* resources = nullptr;
    return resources;
}

}  // namespace

bool Resources::load(const QString& folder)
{
    const auto menus = readTable(folder + QStringLiteral("/menus.json"));
    const auto keys = readTable(folder + QStringLiteral("/accelerators.json"));
    const auto bars = readTable(folder + QStringLiteral("/toolbars.json"));
    const auto strings = readTable(folder + QStringLiteral("/strings.json"));
    if (!menus || !keys || !bars || !strings) return false;

    const auto menuTable = byId<QList<MenuEntry>>(*menus, parseMenuItems);
    const auto keyTable = byId<QList<Accelerator>>(*keys, parseAccelerators);
    const auto barTable = byId<QList<int>>(*bars, parseButtons);
    const auto stringTable = byId<QString>(*strings, [](const QJsonValue& v) { return v.toString(); });
    if (!menuTable || !keyTable || !barTable || !stringTable) return false;

    m_folder = folder;
    m_menus = *menuTable;
    m_accelerators = *keyTable;
    m_toolbars = *barTable;
    m_strings = *stringTable;
    return true;
}

const QList<MenuEntry>* Resources::menu(int id) const
{
    const auto it = m_menus.constFind(id);
    return it == m_menus.cend() ? nullptr : &*it;
}

const QList<Accelerator>* Resources::accelerators(int id) const
{
    const auto it = m_accelerators.constFind(id);
    return it == m_accelerators.cend() ? nullptr : &*it;
}

const QList<int>* Resources::toolbar(int id) const
{
    const auto it = m_toolbars.constFind(id);
    return it == m_toolbars.cend() ? nullptr : &*it;
}

QString Resources::string(int id) const
{
    return m_strings.value(id);
}

QString Resources::imagePath(int commandId) const
{
    const QString path = m_folder + QStringLiteral("/toolbar/%1.svg").arg(commandId);
    return QFileInfo::exists(path) ? path : QString();
}

QList<int> Resources::menuIds() const
{
    QList<int> ids = m_menus.keys();
    std::sort(ids.begin(), ids.end());
    return ids;
}

QList<int> Resources::menuCommands() const
{
    QList<int> commands;
    for (int id : menuIds()) collectCommands(m_menus.value(id), commands);
    return commands;
}

const Resources& Resources::application()
{
    static const Resources empty;
    return current() ? *current() : empty;
}

void Resources::setApplication(const Resources* resources)
{
    current() = resources;
}

}  // namespace platform
