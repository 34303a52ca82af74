#pragma once

#include "platform/dialog/Dialog.h"
#include "support/Common_DlgInternalInfo_ToolTips.h"

class CQELWinAppEx;

// "Interne Programminformationen": the screen's resolution and scaling, the program's folder and its version,
// and the button that saves them with the program's settings into the support file in the user's documents
// folder. German or English by the program's language.
class Common_DlgInternalInfo : public platform::Dialog {
    Q_OBJECT
public:
    explicit Common_DlgInternalInfo(CQELWinAppEx& app, QWidget* parent = nullptr);

    // The screen and the program's folder; the scaling of a screen not at 96 dots per inch is shown in
    // percent (behind the label "DPI", as the support knows it).
    static QString SystemInfoText(int language, int width, int height, int dotsPerInch,
                                  const QString& programDirectory);
    // 100 at 96 dots per inch, rounded to the nearest percent.
    static int DisplayScaling(int dotsPerInch);
    // Where the support file goes.
    QString SupportDataPath() const;
    // Writes the support file and says where, or that it could not; then closes the dialog.
    void SaveSupportData();

    QString m_strSystemInfo;
    QString m_strProgramInfo;
    Common_DlgInternalInfo_ToolTips m_ToolTip;

protected:
    void onInitDialog() override;
    void doDataExchange(platform::DataExchange& exchange) override;

private:
    QString text(const char16_t* german, const char16_t* english) const;
    void ShowMessage(const QString& text, platform::MessageIcon icon) const;

    CQELWinAppEx& m_app;
    int m_nLanguage;
};
