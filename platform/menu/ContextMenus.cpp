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

ContextMenus::StateSource& stateSource()
{
    static ContextMenus::StateSource source;
    return source;
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
            QAction* action = menu.addAction(item.text);
            action->setData(item.commandId);
            action->setEnabled(item.enabled);
            action->setCheckable(item.checked);
            action->setChecked(item.checked);
        }
    }
    const QAction* chosen = menu.exec(globalPos);
    return chosen ? chosen->data().toInt() : 0;
}

// The items as the update handlers have them now, as the frame updates a menu of its menu bar before it
// opens.
QList<MenuItem> withStates(QList<MenuItem> items)
{
    if (!stateSource()) return items;
    for (MenuItem& item : items) {
        if (item.separator) continue;
        const CmdUI state = stateSource()(item.commandId);
        item.enabled = state.isEnabled();
        item.checked = state.isMarked();
        if (state.text()) item.text = *state.text();
    }
    return items;
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

void ContextMenus::setStateSource(StateSource source)
{
    stateSource() = std::move(source);
}

void ContextMenus::setTracker(Tracker newTracker)
{
    tracker() = std::move(newTracker);
}

int ContextMenus::trackPopup(const QList<MenuItem>& items, QPoint globalPos)
{
    const QList<MenuItem> shown = withStates(items);
    const int chosen = tracker() ? tracker()(shown, globalPos) : trackWithQMenu(shown, globalPos);
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
