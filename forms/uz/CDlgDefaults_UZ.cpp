#include "forms/uz/CDlgDefaults_UZ.h"

#include "app/HelpContextIds.h"

namespace {

constexpr FormDefaultsDialog::CheckBox kCheckBoxes[] = {
    {1017, settings::kAutodatum.in(settings::kUZSection)},
    {1018, settings::kU08_HH},
    {1035, settings::kNoPrintBNase.in(settings::kUZSection)},
};

constexpr FormDefaultsToolTip::Tool kTools[] = {
    {1003, 1040}, {1004, 1044}, {1005, 1042}, {1006, 1046}, {1017, 1048}, {1018, 1050}, {1035, 1052},
};

constexpr FormDefaultsDialog::Form kForm{345, settings::kUZSection, HelpContextIds::kDefaultsUZ, kCheckBoxes,
                                         kTools};

}  // namespace

CDlgDefaults_UZ::CDlgDefaults_UZ(CQELWinAppEx& app, QWidget* parent) : FormDefaultsDialog(app, kForm, parent)
{
}

int RunFormDefaultsUZ(CQELWinAppEx& app)
{
    CDlgDefaults_UZ dlg(app);
    return dlg.doModal();
}
