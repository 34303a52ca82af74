#include "forms/eur1/CDlgAdvMarginsEUR.h"

#include "app/HelpContextIds.h"

namespace {

constexpr AdvancedPositionsDialog::Form kForm{
    367,
    HelpContextIds::kAdvancedPositionsEUR1,
    {settings::kEUR1Field11HorCorr, settings::kEUR1Field11VertCorr, settings::kEUR1Field12HorCorr,
     settings::kEUR1Field12VertCorr},
};

}  // namespace

CDlgAdvMarginsEUR::CDlgAdvMarginsEUR(CQELWinAppEx& app, QWidget* parent)
    : AdvancedPositionsDialog(app, kForm, parent)
{
}

int RunAdvMarginsEUR(CQELWinAppEx& app)
{
    CDlgAdvMarginsEUR dlg(app);
    return dlg.doModal();
}
