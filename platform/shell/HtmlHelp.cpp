#include "platform/shell/HtmlHelp.h"

#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

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

}  // namespace

void HtmlHelp::setPageFolder(const QString& folder)
{
    pageFolder() = folder;
}

QString HtmlHelp::pageFor(int contextId)
{
    const QString page = pagePath(contextId);
    return QFileInfo::exists(page) ? page : pagePath(kContentsId);
}

QTextBrowser* HtmlHelp::show(int contextId, QWidget* parent)
{
    QPointer<QTextBrowser>& window = helpWindow();
    if (!window) {
        window = new QTextBrowser(parent);
        window->setWindowFlag(Qt::Window);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setWindowTitle(QStringLiteral("Hilfe"));
        window->resize(640, 560);
    }
    window->setSource(urlOf(pageFor(contextId)));
    window->show();
    window->raise();
    return window;
}

QTextBrowser* HtmlHelp::window()
{
    return helpWindow();
}

}  // namespace platform
