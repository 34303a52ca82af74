#include "platform/command/CommandActions.h"

#include <QIcon>

namespace platform {

CommandActions::CommandActions(const Resources& resources, CommandTarget& root, QObject* parent)
    : QObject(parent), m_resources(resources), m_root(root)
{
}

int CommandActions::idOf(const QAction& action)
{
    return action.property(kCommandProperty).toInt();
}

QString CommandActions::plainText(const QString& menuText)
{
    QString text = menuText.section(u'\t', 0, 0);
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(u'&');
    text.replace(u'\x01', u'&');
    return text;
}

QString CommandActions::findMenuText(const QList<MenuEntry>& items, int id)
{
    for (const MenuEntry& item : items) {
        const QString text =
            item.isPopup() ? findMenuText(item.items, id) : (item.id == id ? item.text : QString());
        if (!text.isEmpty()) return text;
    }
    return {};
}

QString CommandActions::menuTextOf(int id) const
{
    for (int menuId : m_resources.menuIds()) {
        const QString text = findMenuText(*m_resources.menu(menuId), id);
        if (!text.isEmpty()) return text;
    }
    return {};
}

QAction* CommandActions::action(int id)
{
    if (QAction* existing = m_actions.value(id)) return existing;
    auto* action = new QAction(this);
    action->setProperty(kCommandProperty, id);
    const QString prompt = m_resources.string(id);
    const QString tip = prompt.section(u'\n', 1, 1);
    // A command that stands in no menu is named by its tooltip or prompt, as the toolbar editor lists it.
    QString text = menuTextOf(id);
    if (text.isEmpty()) text = tip.isEmpty() ? prompt.section(u'\n', 0, 0) : tip;
    action->setText(text);
    action->setStatusTip(prompt.section(u'\n', 0, 0));
    // The tip shows the prompt below the label as its description.
    action->setToolTip(tip.isEmpty() ? plainText(text) : tip);
    const QString image = m_resources.imagePath(id);
    if (!image.isEmpty()) action->setIcon(QIcon(image));
    m_menuTexts.insert(id, text);
    connect(action, &QAction::triggered, this, [this, id] { m_root.ExecuteCommand(id); });
    m_actions.insert(id, action);
    return action;
}

void CommandActions::setMenuText(int id, const QString& text)
{
    action(id)->setText(text);
    m_menuTexts.insert(id, text);
}

QList<QMenu*> CommandActions::buildMenus(const QList<MenuEntry>& popups, QWidget* parent)
{
    QList<QMenu*> menus;
    for (const MenuEntry& popup : popups) {
        auto* menu = new QMenu(popup.text, parent);
        fillMenu(*menu, popup.items);
        menus.append(menu);
    }
    return menus;
}

void CommandActions::fillMenu(QMenu& menu, const QList<MenuEntry>& items)
{
    for (const MenuEntry& item : items) {
        if (item.separator) {
            menu.addSeparator();
        } else if (item.isPopup()) {
            fillMenu(*menu.addMenu(item.text), item.items);
        } else {
            menu.addAction(action(item.id));
        }
    }
    connect(&menu, &QMenu::aboutToShow, this, [this, &menu] {
        emit menuAboutToShow(&menu);
        updateActions(menu.actions());
    });
}

void CommandActions::fillToolbar(QToolBar& toolbar, const QList<int>& buttons)
{
    toolbar.clear();
    for (int id : buttons) {
        if (id == 0) {
            toolbar.addSeparator();
        } else {
            toolbar.addAction(action(id));
        }
    }
}

void CommandActions::updateAction(QAction& action)
{
    const int id = idOf(action);
    if (id == 0) return;
    const CmdUI ui = m_root.UpdateCommand(id);
    action.setEnabled(ui.isEnabled());
    // A mark shows exactly while the handler sets one, in the menus as in the fields' context menu.
    action.setCheckable(ui.isMarked());
    action.setChecked(ui.isMarked());
    action.setText(ui.text().value_or(m_menuTexts.value(id, action.text())));
}

void CommandActions::updateActions(const QList<QAction*>& actions)
{
    for (QAction* action : actions) {
        if (action && !action->isSeparator() && !action->menu()) updateAction(*action);
    }
}

}  // namespace platform
