#pragma once

#include <QString>

class QTextBrowser;
class QWidget;

namespace platform {

// Help by context id: one help window shows the page of the id, <page folder>/<id>.html; when there is no
// page for the id, the page of the topic that stands in for it, and else the contents page.
class HtmlHelp {
public:
    static constexpr int kContentsId = 100;

    // Where the pages are, such as ":/help".
    static void setPageFolder(const QString& folder);
    // The page shown for a context id, `fallbackId` standing in when it has none.
    static QString pageFor(int contextId, int fallbackId = kContentsId);
    // Shows the page in the help window, made on first use as a window of `parent`. While a modal dialog is
    // open the help window belongs to it, so that it can be used and closed beside the dialog. The program
    // ends with its main window, the help window with it.
    static QTextBrowser* show(int contextId, int fallbackId, QWidget* parent);
    // The help window; null before the first help or after it was closed.
    static QTextBrowser* window();
};

}  // namespace platform
