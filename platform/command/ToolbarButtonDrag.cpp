#include "platform/command/ToolbarButtonDrag.h"

#include "platform/command/CommandActions.h"
#include "platform/command/Toolbars.h"

#include <QApplication>
#include <QMouseEvent>
#include <QToolButton>
#include <algorithm>

namespace platform {

ToolbarButtonDrag::ToolbarButtonDrag(Toolbars& toolbars) : QObject(&toolbars), m_toolbars(toolbars)
{
    // A toolbar makes new button widgets whenever its buttons change.
    connect(&toolbars, &Toolbars::toolbarsChanged, this, &ToolbarButtonDrag::watchButtons);
    watchButtons();
}

ToolbarButtonDrag::~ToolbarButtonDrag()
{
    if (m_dragging) QApplication::restoreOverrideCursor();
}

void ToolbarButtonDrag::watchButtons()
{
    for (QToolBar* toolbar : m_toolbars.toolbars()) {
        for (QAction* action : toolbar->actions()) {
            QWidget* button = toolbar->widgetForAction(action);
            // Installing again is harmless: a filter is kept once.
            if (button && CommandActions::idOf(*action) != 0) button->installEventFilter(this);
        }
    }
}

bool ToolbarButtonDrag::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return press(*watched, static_cast<const QMouseEvent&>(*event));
        case QEvent::MouseMove:
            if (m_command == 0) return false;
            follow(static_cast<const QMouseEvent&>(*event));
            return true;
        case QEvent::MouseButtonRelease:
            if (m_command == 0) return false;
            release(static_cast<const QMouseEvent&>(*event));
            return true;
        default:
            return false;
    }
}

bool ToolbarButtonDrag::press(QObject& button, const QMouseEvent& event)
{
    if (event.button() != Qt::LeftButton || !event.modifiers().testFlag(Qt::AltModifier)) return false;
    const auto* toolButton = qobject_cast<const QToolButton*>(&button);
    auto* toolbar = toolButton ? qobject_cast<QToolBar*>(toolButton->parentWidget()) : nullptr;
    QAction* action = toolButton ? toolButton->defaultAction() : nullptr;
    if (!toolbar || !action) return false;
    m_source = toolbar;
    m_sourceIndex = toolbar->actions().indexOf(action);
    m_command = CommandActions::idOf(*action);
    m_pressedAt = event.globalPosition().toPoint();
    return true;
}

void ToolbarButtonDrag::follow(const QMouseEvent& event)
{
    if (m_dragging) return;
    // A press with Alt that hardly moves is no drag: the button stays where it is.
    const QPoint moved = event.globalPosition().toPoint() - m_pressedAt;
    if (moved.manhattanLength() < QApplication::startDragDistance()) return;
    m_dragging = true;
    QApplication::setOverrideCursor(Qt::DragMoveCursor);
}

void ToolbarButtonDrag::release(const QMouseEvent& event)
{
    if (m_dragging) {
        QApplication::restoreOverrideCursor();
        drop(event.globalPosition().toPoint());
    }
    m_dragging = false;
    m_command = 0;
    m_source = nullptr;
}

void ToolbarButtonDrag::drop(QPoint globalPos)
{
    QToolBar* source = m_source;
    if (!source) return;
    QList<int> sourceButtons = m_toolbars.buttons(*source);
    // The toolbar changed under the drag: there is nothing left to move.
    if (m_sourceIndex < 0 || m_sourceIndex >= sourceButtons.size() ||
        sourceButtons.at(m_sourceIndex) != m_command)
        return;
    QToolBar* target = toolbarAt(globalPos);
    if (target == source) {
        int to = std::min<int>(insertionIndex(*target, globalPos), sourceButtons.size());
        if (to > m_sourceIndex) --to;
        if (to == m_sourceIndex) return;
        sourceButtons.move(m_sourceIndex, to);
        m_toolbars.setButtons(*source, sourceButtons);
        return;
    }
    if (target) {
        QList<int> targetButtons = m_toolbars.buttons(*target);
        // A toolbar shows a command once; it already has this one.
        if (targetButtons.contains(m_command)) return;
        targetButtons.insert(std::min<int>(insertionIndex(*target, globalPos), targetButtons.size()),
                             m_command);
        m_toolbars.setButtons(*target, targetButtons);
    }
    sourceButtons.removeAt(m_sourceIndex);
    m_toolbars.setButtons(*source, sourceButtons);
}

QToolBar* ToolbarButtonDrag::toolbarAt(QPoint globalPos) const
{
    for (QToolBar* toolbar : m_toolbars.toolbars()) {
        if (toolbar->isVisible() && toolbar->rect().contains(toolbar->mapFromGlobal(globalPos)))
            return toolbar;
    }
    return nullptr;
}

int ToolbarButtonDrag::insertionIndex(const QToolBar& toolbar, QPoint globalPos)
{
    // The button goes before the first button whose middle lies beyond the drop.
    const QPoint point = toolbar.mapFromGlobal(globalPos);
    const QList<QAction*> actions = toolbar.actions();
    for (int index = 0; index < actions.size(); ++index) {
        const QWidget* widget = toolbar.widgetForAction(actions.at(index));
        if (!widget || !widget->isVisible()) continue;
        const QPoint middle = widget->geometry().center();
        const bool before =
            toolbar.orientation() == Qt::Horizontal ? point.x() < middle.x() : point.y() < middle.y();
        if (before) return index;
    }
    return actions.size();
}

}  // namespace platform
