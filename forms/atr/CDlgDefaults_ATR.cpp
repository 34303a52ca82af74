#include "forms/atr/CDlgDefaults_ATR.h"

#include "app/HelpContextIds.h"

namespace {

constexpr FormDefaultsDialog::CheckBox kCheckBoxes[] = {
    {1017, settings::kAutodatum.in(settings::kATRSection)},
    {1018, settings::kNoPrintBNase.in(settings::kATRSection)},
};

constexpr FormDefaultsToolTip::Tool kTools[] = {
    {1003, 1088}, {1004, 1092}, {1005, 1090}, {1006, 1094}, {1017, 1096}, {1018, 1098},
};

constexpr FormDefaultsDialog::Form kForm{348, settings::kATRSection, HelpContextIds::kDefaultsATR,
                                         kCheckBoxes, kTools};

}  // namespace

CDlgDefaults_ATR::CDlgDefaults_ATR(CQELWinAppEx& app, QWidget* parent)
    : FormDefaultsDialog(app, kForm, parent)
{
}

int RunFormDefaultsATR(CQELWinAppEx& app)
{
    CDlgDefaults_ATR dlg(app);
    return dlg.doModal();
}
