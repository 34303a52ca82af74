#include "platform/command/AcceleratorFilter.h"

#include <QApplication>
#include <QKeyEvent>

namespace platform {

AcceleratorFilter::AcceleratorFilter(QWidget* window, QList<Accelerator> table, Execute execute)
    : QObject(window), m_window(window), m_table(std::move(table)), m_execute(std::move(execute))
{
    qApp->installEventFilter(this);
}

AcceleratorFilter::~AcceleratorFilter()
{
    qApp->removeEventFilter(this);
}

int AcceleratorFilter::commandFor(QKeyCombination key) const
{
    for (const Accelerator& accelerator : m_table) {
        if (accelerator.key == key) return accelerator.commandId;
    }
    return 0;
}

QKeyCombination AcceleratorFilter::normalized(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers =
        event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const Qt::Key key = event.key() == Qt::Key_Backtab ? Qt::Key_Tab : static_cast<Qt::Key>(event.key());
    return QKeyCombination(modifiers, key);
}

bool AcceleratorFilter::isForWindow(QObject* receiver) const
{
    const QWidget* widget = qobject_cast<QWidget*>(receiver);
    if (!widget || !m_window || widget->window() != m_window) return false;
    return !QApplication::activePopupWidget() && !QApplication::activeModalWidget();
}

bool AcceleratorFilter::eventFilter(QObject* watched, QEvent* event)
{
    const bool override = event->type() == QEvent::ShortcutOverride;
    if ((!override && event->type() != QEvent::KeyPress) || !isForWindow(watched)) return false;
    const int command = commandFor(normalized(*static_cast<QKeyEvent*>(event)));
    if (command == 0) return false;
    if (override) {
        // Claiming the key keeps Qt's own shortcuts (menu mnemonics, the MDI area's window switching) off it;
        // the key press that follows runs the command.
        event->accept();
        return true;
    }
    m_execute(command);
    return true;
}

}  // namespace platform
