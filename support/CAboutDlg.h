#pragma once

#include "platform/dialog/Dialog.h"
#include "support/CAboutDlg_ToolTip.h"

class CQELWinAppEx;

// The About box: the program's title with its version, the maker's notice and e-mail, the publisher's contact
// block, a button that opens the homepage and one that opens the support information. A pop-up without a
// title bar; Escape closes it.
class CAboutDlg : public platform::Dialog {
    Q_OBJECT
public:
    explicit CAboutDlg(CQELWinAppEx& app, QWidget* parent = nullptr);

    // Runs the box under its own help topic; always answers OK, however it was closed.
    int DoModal();
    // The publisher's contact block with the homepage; the e-mail line again.
    void BuildInfoText();

    QString m_strVersionLine;
    QString m_strNoticeLine;
    QString m_strEMailLine;
    QString m_strInfoText;
    CAboutDlg_ToolTip m_ToolTip;

protected:
    void onInitDialog() override;
    void doDataExchange(platform::DataExchange& exchange) override;

private:
    // Closes the box, then opens the homepage in the browser.
    void OnWebsite();
    // Runs the support information, then closes the box.
    void OnSystemInfo();

    CQELWinAppEx& m_app;
};
