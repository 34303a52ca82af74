#pragma once

#include "platform/dialog/Dialog.h"
#include "platform/net/HttpClient.h"
#include "support/UpdateIndex.h"

#include <QString>

// "QEL WebUpdate": asks the maker's web server whether there is a version of the program other than the one
// installed and, when there is, writes a page with its download link and opens it in the browser. The index
// is fetched while the dialog keeps painting; "Abbrechen" ends the transfer and the dialog, while Escape and
// the close box wait for the transfer's end.
class Common_DlgWebUpdateD : public platform::Dialog {
    Q_OBJECT
public:
    static constexpr int kTemplate = 21140;
    static constexpr int kLoadButton = 21142;
    static constexpr int kProductName = 21143;
    static constexpr int kVersion = 21144;
    static constexpr int kStatus = 21145;
    // The maker's web server, which keeps the update index, the downloads and their pages.
    static constexpr QStringView UpdateServerAddress = u"https://www.brandel.de";

    explicit Common_DlgWebUpdateD(QString serverAddress = UpdateServerAddress.toString(),
                                  QWidget* parent = nullptr);

    // Fetches the index and says in the status line what it holds for this program. A transfer that fails
    // before the server has answered in full (unreachable, refused certificate, deadline) is told in a
    // message; status and buttons stay as they were.
    void LoadUpdateIndex();
    // Writes "Update.html" into the documents folder and opens it in the browser. 1 when the dialog may
    // close.
    virtual int WriteUpdatePage();

    // The name under which the index lists the program, and the installed version.
    QString m_strProductName;
    int m_nVersionMajor = 0;
    int m_nVersionMinor = 0;
    int m_nVersionBuild = 0;
    // The index record read last.
    UpdateIndexRecord m_record;

protected:
    void onInitDialog() override;
    void onOk() override;
    void onCancel() override;

private:
    platform::HttpAnswer FetchUpdateIndex();
    void ShowLoadResult();
    void ShowMessage(const QString& text);

    QString m_strServerAddress;
    bool m_bTransferRunning = false;
};
