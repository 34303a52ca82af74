#pragma once

#include <QString>

class QTextBrowser;
class QWidget;

namespace platform {

// Help by context id: one help window shows the page of the id, <page folder>/<id>.html, or the contents
// page when there is no page for the id.
class HtmlHelp {
public:
    static constexpr int kContentsId = 100;

    // Where the pages are, such as ":/help".
    static void setPageFolder(const QString& folder);
    // The page shown for a context id.
    static QString pageFor(int contextId);
    // Shows the page in the help window, made on first use as a window of `parent`.
    static QTextBrowser* show(int contextId, QWidget* parent);
    // The help window; null before the first help or after it was closed.
    static QTextBrowser* window();
};

}  // namespace platform
