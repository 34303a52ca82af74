#pragma once

#include "platform/dialog/Dialog.h"

class CQELWinAppEx;

// "Druckbereich-Korrektur": the vertical and horizontal scaling of every printed form in percent, 97 to 103,
// typed with a decimal point. OK stores each as tenths of a percent. The help topic stays the one of the
// screen behind.
class Common_CDlgPrintSizeCorr : public platform::Dialog {
    Q_OBJECT
public:
    explicit Common_CDlgPrintSizeCorr(CQELWinAppEx& app, QWidget* parent = nullptr);

    // Percent.
    float m_fPrnFactorV = 0.0f;
    float m_fPrnFactorH = 0.0f;

    // Tenths of a percent as stored: the percent times ten in single precision, cut toward zero.
    static int StoredFactor(float percent);

protected:
    void onInitDialog() override;
    void doDataExchange(platform::DataExchange& exchange) override;
    platform::wholefile::WriteResult storeValues() override;

private:
    void TranslateControls();

    CQELWinAppEx& m_app;
};

// The application's command "Druckbereich-Korrektur" (Ctrl+Shift+Alt+P); how the dialog ended.
int RunPrintSizeCorrection(CQELWinAppEx& app);
