#include "platform/dialog/AppToolTips.h"

#include "platform/dialog/ToolTipWindow.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QWidget>

namespace platform {

AppToolTips::AppToolTips(const ToolTipParams& params)
    : m_params(params), m_window(std::make_unique<ToolTipWindow>(nullptr))
{
    QCoreApplication::instance()->installEventFilter(this);
}

AppToolTips::~AppToolTips() = default;

const ToolTipWindow* AppToolTips::window() const
{
    return m_window->isVisible() ? m_window.get() : nullptr;
}

bool AppToolTips::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
        case QEvent::ToolTip:
            if (watched->isWidgetType())
                return show(*static_cast<QWidget*>(watched), static_cast<QHelpEvent*>(event)->globalPos());
            break;
        case QEvent::Leave:
        case QEvent::Hide:
            if (watched == m_tipped) hide();
            break;
        case QEvent::MouseButtonPress:
        case QEvent::KeyPress:
        case QEvent::Wheel:
            hide();
            break;
        default:
            break;
    }
    return false;
}

bool AppToolTips::show(QWidget& widget, const QPoint& globalPos)
{
    const QString title = widget.toolTip();
    // Without a tip text of its own the widget's parent is asked next, or a dialog's rich tip shows.
    if (title.isEmpty()) return false;
    const QString description = widget.statusTip() != title ? widget.statusTip() : QString();
    m_tipped = &widget;
    m_window->showTip(title, description, m_params, globalPos);
    return true;
}

void AppToolTips::hide()
{
    if (!m_window->isVisible()) return;
    m_window->hide();
    m_tipped = nullptr;
}

}  // namespace platform
