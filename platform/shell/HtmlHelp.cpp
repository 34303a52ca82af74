#include "platform/shell/HtmlHelp.h"

#include <QApplication>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QWindow>

namespace platform {
namespace {

QString& pageFolder()
{
    static QString folder = QStringLiteral(":/help");
    return folder;
}

QPointer<QTextBrowser>& helpWindow()
{
    static QPointer<QTextBrowser> window;
    return window;
}

QString pagePath(int contextId)
{
    return pageFolder() + QStringLiteral("/%1.html").arg(contextId);
}

QUrl urlOf(const QString& path)
{
    return path.startsWith(u':') ? QUrl(QStringLiteral("qrc") + path) : QUrl::fromLocalFile(path);
}

// A modal dialog blocks every window but its own; the help window becomes one of the dialog's while the
// dialog is open, and the main window's again once no dialog is open.
void BelongToModalDialog(QWidget& window)
{
    QWidget* dialog = QApplication::activeModalWidget();
    QWidget* owner = dialog && dialog != &window ? dialog : window.parentWidget();
    QWindow* ownerHandle = owner ? owner->window()->windowHandle() : nullptr;
    window.winId();
    QWindow* handle = window.windowHandle();
    if (!handle || handle->transientParent() == ownerHandle) return;
    // The window system takes a new owner only while the window is hidden.
    window.hide();
    handle->setTransientParent(ownerHandle);
}

}  // namespace

void HtmlHelp::setPageFolder(const QString& folder)
{
    pageFolder() = folder;
}

QString HtmlHelp::pageFor(int contextId, int fallbackId)
{
    for (int id : {contextId, fallbackId}) {
        const QString page = pagePath(id);
        if (QFileInfo::exists(page)) return page;
    }
    return pagePath(kContentsId);
}

QTextBrowser* HtmlHelp::show(int contextId, int fallbackId, QWidget* parent)
{
    QPointer<QTextBrowser>& window = helpWindow();
    if (!window) {
        window = new QTextBrowser(parent);
        window->setWindowFlag(Qt::Window);
        window->setAttribute(Qt::WA_DeleteOnClose);
        // The help never keeps the program running once its main window is closed, not even when a dialog
        // that owned it has gone and left it without an owner.
        window->setAttribute(Qt::WA_QuitOnClose, false);
        window->setWindowTitle(QStringLiteral("Hilfe"));
        window->resize(640, 560);
    }
    window->setSource(urlOf(pageFor(contextId, fallbackId)));
    BelongToModalDialog(*window);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

QTextBrowser* HtmlHelp::window()
{
    return helpWindow();
}

}  // namespace platform
