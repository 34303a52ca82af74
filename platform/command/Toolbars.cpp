#include "platform/command/Toolbars.h"

#include "platform/command/StandardCommands.h"

#include <QSet>

namespace platform {

Toolbars::Toolbars(QMainWindow& window, CommandActions& actions)
    : QObject(&window), m_window(window), m_actions(actions)
{
}

QToolBar* Toolbars::addToolbar(int id, const QString& name, const QList<int>& buttons)
{
    auto* toolbar = new QToolBar(name, &m_window);
    toolbar->setObjectName(QStringLiteral("Toolbar%1").arg(id));
    toolbar->setIconSize(QSize(16, 16));
    m_window.addToolBar(Qt::TopToolBarArea, toolbar);
    // Made after the window showed, a toolbar would stay hidden; the workspace hides what the user hid.
    toolbar->show();
    m_toolbars.append(toolbar);
    m_ids.insert(toolbar, id);
    setButtons(*toolbar, buttons);
    return toolbar;
}

QToolBar* Toolbars::addResourceToolbar(int resourceId, const QString& name, const QList<int>& buttons)
{
    QToolBar* toolbar = addToolbar(resourceId, name, buttons);
    m_resourceButtons.insert(toolbar, buttons);
    return toolbar;
}

QToolBar* Toolbars::createUserToolbar(const QString& name, int id)
{
    if (id == 0) {
        for (int candidate = ID_USER_TOOLBAR_FIRST; candidate <= ID_USER_TOOLBAR_LAST && id == 0;
             ++candidate) {
            if (!findById(candidate)) id = candidate;
        }
    }
    if (id < ID_USER_TOOLBAR_FIRST || id > ID_USER_TOOLBAR_LAST || findById(id)) return nullptr;
    QToolBar* toolbar = addToolbar(id, name, {});
    emit toolbarsChanged();
    return toolbar;
}

void Toolbars::deleteUserToolbar(QToolBar* toolbar)
{
    if (!toolbar || !isUserToolbar(*toolbar)) return;
    m_toolbars.removeAll(toolbar);
    m_ids.remove(toolbar);
    m_buttons.remove(toolbar);
    m_window.removeToolBar(toolbar);
    toolbar->deleteLater();
    emit toolbarsChanged();
}

QToolBar* Toolbars::findById(int id) const
{
    for (QToolBar* toolbar : m_toolbars) {
        if (m_ids.value(toolbar) == id) return toolbar;
    }
    return nullptr;
}

int Toolbars::idOf(const QToolBar& toolbar) const
{
    return m_ids.value(&toolbar);
}

bool Toolbars::isUserToolbar(const QToolBar& toolbar) const
{
    const int id = idOf(toolbar);
    return id >= ID_USER_TOOLBAR_FIRST && id <= ID_USER_TOOLBAR_LAST;
}

QList<int> Toolbars::buttons(const QToolBar& toolbar) const
{
    return m_buttons.value(&toolbar);
}

void Toolbars::setButtons(QToolBar& toolbar, const QList<int>& buttons)
{
    // The buttons as the next start reads them back, so that the bar stays as it is from run to run.
    const QList<int> kept = withSeparatorsBetweenButtons(buttons);
    m_buttons.insert(&toolbar, kept);
    m_actions.fillToolbar(toolbar, kept);
    emit toolbarsChanged();
}

void Toolbars::resetButtons(QToolBar& toolbar)
{
    setButtons(toolbar, m_resourceButtons.value(&toolbar));
}

bool Toolbars::isChanged(const QToolBar& toolbar) const
{
    return buttons(toolbar) != m_resourceButtons.value(&toolbar);
}

QString Toolbars::buttonsText(const QList<int>& buttons)
{
    QStringList parts;
    for (int id : buttons) parts.append(QString::number(id));
    return parts.join(u',');
}

QList<int> Toolbars::buttonsFromText(const QString& text, const QList<int>& offered)
{
    // The text may have been edited by hand or be damaged. A command the toolbar editor does not offer would
    // make a blank or wrongly named button, and a bar of thousands of buttons, each updated whenever the
    // program is idle, would stop it: what is no offered command, or one already on the bar, is left out.
    QSet<int> notShownYet(offered.begin(), offered.end());
    QList<int> buttons;
    for (const QStringView part : QStringView(text).split(u',')) {
        bool isNumber = false;
        const int id = part.trimmed().toInt(&isNumber);
        if (isNumber && (id == 0 || notShownYet.remove(id))) buttons.append(id);
    }
    return withSeparatorsBetweenButtons(buttons);
}

QList<int> Toolbars::withSeparatorsBetweenButtons(const QList<int>& buttons)
{
    QList<int> kept;
    for (int id : buttons) {
        if (id != 0 || (!kept.isEmpty() && kept.constLast() != 0)) kept.append(id);
    }
    if (!kept.isEmpty() && kept.constLast() == 0) kept.removeLast();
    return kept;
}

}  // namespace platform
