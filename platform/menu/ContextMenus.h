#pragma once

#include "platform/command/CmdUI.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <functional>

namespace platform {

// One entry of a popup menu: a command, or a separator line.
struct MenuItem {
    int commandId = 0;
    QString text;  // "&" marks the mnemonic; a tab separates the key shown on the right
    bool separator = false;
    bool enabled = true;
    bool checked = false;
};

// The application's registered popup menus by resource id, and the sink that routes the command chosen in
// any popup. The application registers its menus and sets the sink at start; a window that wants a popup
// shows it by id and hands the chosen command on.
class ContextMenus {
public:
    // Shows `items` at `globalPos` and gives the command id chosen, or 0 when the menu was closed without a
    // choice. Tests put their own in place so that no menu waits for a person.
    using Tracker = std::function<int(const QList<MenuItem>& items, QPoint globalPos)>;
    using CommandSink = std::function<void(int commandId)>;
    // The state the command's update handler gives it, as the menu bar shows it.
    using StateSource = std::function<CmdUI(int commandId)>;

    // Replaces a menu of the same id.
    static void registerMenu(int menuId, QString name, QList<MenuItem> items);
    // Null when no menu of that id is registered.
    static const QList<MenuItem>* find(int menuId);

    // An empty sink drops the commands.
    static void setCommandSink(CommandSink sink);
    // Without a source every item is shown enabled, unchecked and with its own text.
    static void setStateSource(StateSource source);
    static void sendCommand(int commandId);

    // An empty tracker goes back to the real popup menu.
    static void setTracker(Tracker tracker);
    // Shows the items in the states their commands have now, and sends the command chosen; 0 when none was.
    static int trackPopup(const QList<MenuItem>& items, QPoint globalPos);
    // The same for a registered menu; false, showing nothing, when there is no menu of that id.
    static bool showPopupMenu(int menuId, QPoint globalPos);
};

}  // namespace platform
