#include "forms/eur1/CDlgDefaults_EUR.h"

#include "app/HelpContextIds.h"

namespace {

constexpr FormDefaultsDialog::CheckBox kCheckBoxes[] = {
    {1017, settings::kAutodatum.in(settings::kEUR1Section)},
    {1018, settings::kNoPrintBNase.in(settings::kEUR1Section)},
};

constexpr FormDefaultsToolTip::Tool kTools[] = {
    {1003, 1072}, {1004, 1076}, {1005, 1074}, {1006, 1078}, {1017, 1080}, {1018, 1082},
};

constexpr FormDefaultsDialog::Form kForm{347, settings::kEUR1Section, HelpContextIds::kDefaultsEUR1,
                                         kCheckBoxes, kTools};

}  // namespace

CDlgDefaults_EUR::CDlgDefaults_EUR(CQELWinAppEx& app, QWidget* parent)
    : FormDefaultsDialog(app, kForm, parent)
{
}

int RunFormDefaultsEUR(CQELWinAppEx& app)
{
    CDlgDefaults_EUR dlg(app);
    return dlg.doModal();
}
