#include "editor/CQELEditWindow.h"

#include "platform/docview/ScrollView.h"

#include <QKeyEvent>
#include <QToolTip>

CQELEditWindow::CQELEditWindow(std::function<void()> updateStatusPanes, const SettingsStore* settings,
                               int language)
    : CQeEditWindow(settings, language), m_updateStatusPanes(std::move(updateStatusPanes))
{
}

void CQELEditWindow::ShowBalloonTip(const QString& title, const QString& text, int milliseconds)
{
    const QPlainTextEdit* window = LiveWindow();
    if (!window) return;
    const QString tip = QStringLiteral("<b>%1</b><br>%2").arg(title.toHtmlEscaped(), text.toHtmlEscaped());
    QToolTip::showText(window->mapToGlobal(window->cursorRect().bottomLeft()), tip, nullptr, {},
                       milliseconds);
}

void CQELEditWindow::OnKeyDown(QKeyEvent* event)
{
    CQeEditWindow::OnKeyDown(event);
    if (IsInsertKey(event)) {
        if (m_updateStatusPanes) m_updateStatusPanes();
        return;
    }
    platform::ScrollView* view = GetParentView();
    if (!view) return;
    const QPoint position = view->GetScrollPosition();
    if (event->key() == Qt::Key_PageDown) view->ScrollToPosition(position - QPoint(0, kPageScroll));
    if (event->key() == Qt::Key_PageUp) view->ScrollToPosition(position + QPoint(0, kPageScroll));
}

void CQELEditWindow::OnMouseWheel(QWheelEvent* event)
{
    if (platform::ScrollView* view = GetParentView()) view->OnMouseWheel(event);
}
