#include "platform/menu/ContextMenus.h"

#include <QAction>
#include <QMenu>
#include <map>

namespace platform {
namespace {

struct Registered {
    QString name;
    QList<MenuItem> items;
};

std::map<int, Registered>& menus()
{
    static std::map<int, Registered> registered;
    return registered;
}

ContextMenus::CommandSink& commandSink()
{
    static ContextMenus::CommandSink sink;
    return sink;
}

ContextMenus::Tracker& tracker()
{
    static ContextMenus::Tracker current;
    return current;
}

int trackWithQMenu(const QList<MenuItem>& items, QPoint globalPos)
{
    QMenu menu;
    for (const MenuItem& item : items) {
        if (item.separator) {
            menu.addSeparator();
        } else {
            menu.addAction(item.text)->setData(item.commandId);
        }
    }
    const QAction* chosen = menu.exec(globalPos);
    return chosen ? chosen->data().toInt() : 0;
}

}  // namespace

void ContextMenus::registerMenu(int menuId, QString name, QList<MenuItem> items)
{
    menus()[menuId] = Registered{std::move(name), std::move(items)};
}

const QList<MenuItem>* ContextMenus::find(int menuId)
{
    const auto found = menus().find(menuId);
    return found == menus().end() ? nullptr : &found->second.items;
}

void ContextMenus::setCommandSink(CommandSink sink)
{
    commandSink() = std::move(sink);
}

void ContextMenus::sendCommand(int commandId)
{
    if (commandSink()) commandSink()(commandId);
}

void ContextMenus::setTracker(Tracker newTracker)
{
    tracker() = std::move(newTracker);
}

int ContextMenus::trackPopup(const QList<MenuItem>& items, QPoint globalPos)
{
    const int chosen = tracker() ? tracker()(items, globalPos) : trackWithQMenu(items, globalPos);
    if (chosen != 0) sendCommand(chosen);
    return chosen;
}

bool ContextMenus::showPopupMenu(int menuId, QPoint globalPos)
{
    const QList<MenuItem>* items = find(menuId);
    if (!items) return false;
    trackPopup(*items, globalPos);
    return true;
}

}  // namespace platform
