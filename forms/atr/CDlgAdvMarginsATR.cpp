#include "forms/atr/CDlgAdvMarginsATR.h"

#include "app/HelpContextIds.h"

namespace {

constexpr AdvancedPositionsDialog::Form kForm{
    368,
    HelpContextIds::kAdvancedPositionsATR,
    {settings::kATRField12HorCorr, settings::kATRField12VertCorr, settings::kATRField13HorCorr,
     settings::kATRField13VertCorr},
};

}  // namespace

CDlgAdvMarginsATR::CDlgAdvMarginsATR(CQELWinAppEx& app, QWidget* parent)
    : AdvancedPositionsDialog(app, kForm, parent)
{
}

int RunAdvMarginsATR(CQELWinAppEx& app)
{
    CDlgAdvMarginsATR dlg(app);
    return dlg.doModal();
}
