#pragma once

#include "platform/command/CommandTarget.h"
#include "platform/command/Resources.h"

#include <QAction>
#include <QHash>
#include <QMenu>
#include <QObject>
#include <QToolBar>

namespace platform {

// One QAction per command id, made from the resources: the text of the command's menu entry, the status
// prompt and tooltip from the string entry of the same id ("prompt\ntooltip"), and the toolbar image.
// Triggering an action sends its command along the route of `root`; before a menu opens, and when the
// window is idle for its toolbars, each action takes the state the route's update handlers give it.
class CommandActions : public QObject {
    Q_OBJECT

public:
    // The property of each action that holds its command id.
    static constexpr const char* kCommandProperty = "commandId";

    CommandActions(const Resources& resources, CommandTarget& root, QObject* parent = nullptr);

    QAction* action(int id);
    // The text a command's menu entries show when its handler gives none, for a command that stands in no
    // menu of the resources.
    void setMenuText(int id, const QString& text);
    // The pop-ups of a menu resource as menus owned by `parent`.
    QList<QMenu*> buildMenus(const QList<MenuEntry>& popups, QWidget* parent);
    // Puts the buttons (0 a separator) on the toolbar in place of what it had.
    void fillToolbar(QToolBar& toolbar, const QList<int>& buttons);
    // Every command id an action was made for.
    QList<int> ids() const { return m_actions.keys(); }

    void updateAction(QAction& action);
    void updateActions(const QList<QAction*>& actions);

    static int idOf(const QAction& action);
    // A menu text without its mnemonic marks and without the key name after the tab.
    static QString plainText(const QString& menuText);

signals:
    // A menu is about to open; the frame fills in entries of its own (recent files, toolbars).
    void menuAboutToShow(QMenu* menu);

private:
    void fillMenu(QMenu& menu, const QList<MenuEntry>& items);
    QString menuTextOf(int id) const;
    static QString findMenuText(const QList<MenuEntry>& items, int id);

    const Resources& m_resources;
    CommandTarget& m_root;
    QHash<int, QAction*> m_actions;
    QHash<int, QString> m_menuTexts;
};

}  // namespace platform
