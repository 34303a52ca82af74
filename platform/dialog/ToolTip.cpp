#include "platform/dialog/ToolTip.h"

#include "platform/dialog/ToolTipWindow.h"

#include <QEvent>
#include <QHelpEvent>
#include <QWidget>

namespace platform {

ToolTip::ToolTip() = default;

ToolTip::~ToolTip() = default;

void ToolTip::create(QWidget& dialog)
{
    m_window = new ToolTipWindow(&dialog);
}

void ToolTip::addTool(QWidget* control, const QString& title)
{
    if (!control) return;
    m_titles.insert(control, title);
    control->installEventFilter(this);
}

const ToolTipWindow* ToolTip::window() const
{
    const ToolTipWindow* tip = m_window.data();
    return tip && tip->isVisible() ? tip : nullptr;
}

bool ToolTip::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
        case QEvent::ToolTip:
            show(*static_cast<QWidget*>(watched), static_cast<QHelpEvent*>(event)->globalPos());
            return true;
        case QEvent::Leave:
        case QEvent::MouseButtonPress:
        case QEvent::KeyPress:
        case QEvent::Hide:
            hide();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

void ToolTip::show(QWidget& control, const QPoint& globalPos)
{
    if (!m_window) return;
    m_description.clear();
    onShow(control.objectName().toInt());
    m_window->showTip(m_titles.value(&control), m_description, m_params, globalPos);
}

void ToolTip::hide()
{
    if (m_window) m_window->hide();
}

}  // namespace platform
