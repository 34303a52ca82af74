#include "forms/print/MarginDialogRun.h"

#include "app/CQELWinAppEx.h"
#include "app/HelpContextIds.h"
#include "forms/print/Common_DlgMargin01.h"
#include "forms/print/Common_DlgMargin02.h"
#include "forms/print/PrintCalibration.h"
#include "platform/dialog/HelpContext.h"

namespace {

// The dialogs show the margins as printing uses them.
int RunOnePage(CQELWinAppEx& app, const MarginForm& form)
{
    const PrintCalibration calibration = PrintCalibration::Read(app, form.section);
    Common_DlgMargin01 dlg(app.m_nLanguage);
    dlg.SetCaption(form.caption.toString());
    dlg.SetDontShow(app.GetProfileInt(settings::kShowMarginDlg.in(form.section)));
    dlg.SetHorizontal(calibration.margin(1).left);
    dlg.SetVertical(calibration.margin(1).top);
    const int result = dlg.doModal();
    if (result == platform::answer::kOk) {
        app.WriteProfileInt(settings::kShowMarginDlg.in(form.section), dlg.GetDontShow());
        app.WriteProfileInt(settings::kLeftMargin1.in(form.section), dlg.GetHorizontal());
        app.WriteProfileInt(settings::kTopMargin1.in(form.section), dlg.GetVertical());
    }
    return result;
}

int RunSheet(CQELWinAppEx& app, const MarginForm& form)
{
    Common_DlgMargin02 dlg(app.m_nLanguage);
    dlg.SetPageCount(2);
    dlg.SetTitle(form.caption.toString());
    dlg.SetPageTitle(1, QStringLiteral("  Vorderseite "));
    dlg.SetPageTitle(2, QStringLiteral("  Rückseite Antrag "));
    dlg.SetDontShow(app.GetProfileInt(settings::kShowMarginDlg.in(form.section)));
    const PrintCalibration calibration = PrintCalibration::Read(app, form.section);
    for (int page = 1; page <= 2; ++page) {
        dlg.SetHorizontal(page, calibration.margin(page).left);
        dlg.SetVertical(page, calibration.margin(page).top);
    }
    const int result = dlg.DoModal();
    if (result == platform::answer::kOk) {
        app.WriteProfileInt(settings::kShowMarginDlg.in(form.section), dlg.GetDontShow());
        app.WriteProfileInt(settings::kLeftMargin1.in(form.section), dlg.GetHorizontal(1));
        app.WriteProfileInt(settings::kTopMargin1.in(form.section), dlg.GetVertical(1));
        app.WriteProfileInt(settings::kLeftMargin2.in(form.section), dlg.GetHorizontal(2));
        app.WriteProfileInt(settings::kTopMargin2.in(form.section), dlg.GetVertical(2));
    }
    return result;
}

}  // namespace

const MarginForm kATRMargins{settings::kATRSection, u"Ränder beim Ausdruck für A.TR.", 1};
const MarginForm kLZE848aMargins{settings::kLZE1Section, u"Ränder beim Ausdruck für 848a", 1};
const MarginForm kEUR1Margins{settings::kEUR1Section, u"Ränder beim Ausdruck für EUR.1", 2};
const MarginForm kUZMargins{settings::kUZSection, u"Ränder beim Ausdruck für Ursprungszeugnis", 2};

int RunMarginDialog(CQELWinAppEx& app, const MarginForm& form)
{
    const platform::HelpContextGuard helpContext(app.m_nHelpContext, HelpContextIds::kMargins);
    return form.sheets == 1 ? RunOnePage(app, form) : RunSheet(app, form);
}
