#pragma once

#include <QHash>
#include <QKeyCombination>
#include <QList>
#include <QString>

namespace platform {

// One entry of a menu resource: a command with its text, a separator, or a pop-up with entries of its own.
struct MenuEntry {
    int id = 0;
    QString text;
    bool separator = false;
    QList<MenuEntry> items;

    bool isPopup() const { return !items.isEmpty(); }
};

struct Accelerator {
    QKeyCombination key;
    int commandId;
};

// The program's resources by id, read from a folder of tables: menus.json (menus as lists of pop-ups),
// accelerators.json (tables of [key, command] pairs, keys in Qt's portable text such as "Ctrl+Shift+Tab"),
// toolbars.json (button command ids, 0 for a separator), strings.json (the string table) and the toolbar
// images toolbar/<command id>.svg.
class Resources {
public:
    // False, keeping nothing, when a table is missing or cannot be read.
    bool load(const QString& folder);

    // Null when there is no such resource.
    const QList<MenuEntry>* menu(int id) const;
    const QList<Accelerator>* accelerators(int id) const;
    const QList<int>* toolbar(int id) const;
    // Empty when the string table has no such entry.
    QString string(int id) const;
    // The image of a command's toolbar button; empty when it has none.
    QString imagePath(int commandId) const;
    // The ids of the menu resources, in ascending order.
    QList<int> menuIds() const;
    // Every command id of the menus, in the order in which they stand there.
    QList<int> menuCommands() const;

    // The resources of the running program, for the parts that load strings by id.
    static const Resources& application();
    static void setApplication(const Resources* resources);

private:
    QString m_folder;
    QHash<int, QList<MenuEntry>> m_menus;
    QHash<int, QList<Accelerator>> m_accelerators;
    QHash<int, QList<int>> m_toolbars;
    QHash<int, QString> m_strings;
};

}  // namespace platform
