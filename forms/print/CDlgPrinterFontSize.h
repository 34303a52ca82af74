#pragma once

#include "platform/dialog/Dialog.h"

class CQELWinAppEx;

// "Schriftgrößen für Druck": the printer font factor of each form in percent, 50 to 150, changed only with
// the up-down controls. OK stores the four; the last row is the 848a declaration's, kept under both of its
// sections.
class CDlgPrinterFontSize : public platform::Dialog {
    Q_OBJECT
public:
    explicit CDlgPrinterFontSize(CQELWinAppEx& app, QWidget* parent = nullptr);

    int m_nFactorEUR1 = 100;
    int m_nFactorATR = 100;
    int m_nFactorUZ = 100;
    int m_nFactorLZE = 100;

protected:
    void onInitDialog() override;
    void doDataExchange(platform::DataExchange& exchange) override;
    platform::wholefile::WriteResult storeValues() override;

private:
    CQELWinAppEx& m_app;
};

// The application's command "Druckerschriftgrößen korrigieren"; how the dialog ended.
int RunPrinterFontSize(CQELWinAppEx& app);
