#include "forms/print/MarginDialogRun.h"

#include "app/CQELWinAppEx.h"
#include "app/HelpContextIds.h"
#include "forms/print/Common_DlgMargin01.h"
#include "forms/print/Common_DlgMargin02.h"
#include "forms/print/PrintCalibration.h"
#include "platform/dialog/HelpContext.h"

namespace {

// The dialogs show the margins as printing uses them.
int RunOnePage(CQELWinAppEx& app, QStringView section, const MarginForm& form)
{
    const PrintCalibration calibration = PrintCalibration::Read(app, section);
    Common_DlgMargin01 dlg(app.m_nLanguage);
    dlg.SetCaption(form.caption.toString());
    dlg.SetDontShow(app.GetProfileInt(settings::kShowMarginDlg.in(section)));
    dlg.SetHorizontal(calibration.margin(1).left);
    dlg.SetVertical(calibration.margin(1).top);
    dlg.setStoreOnOk([&] {
        platform::Registry::Batch margins = app.batch();
        app.WriteProfileInt(settings::kShowMarginDlg.in(section), dlg.GetDontShow());
        app.WriteProfileInt(settings::kLeftMargin1.in(section), dlg.GetHorizontal());
        app.WriteProfileInt(settings::kTopMargin1.in(section), dlg.GetVertical());
        return margins.commit();
    });
    return dlg.doModal();
}

int RunSheet(CQELWinAppEx& app, QStringView section, const MarginForm& form)
{
    Common_DlgMargin02 dlg(app.m_nLanguage);
    dlg.SetPageCount(2);
    dlg.SetTitle(form.caption.toString());
    dlg.SetPageTitle(1, QStringLiteral("  Vorderseite "));
    dlg.SetPageTitle(2, QStringLiteral("  Rückseite Antrag "));
    dlg.SetDontShow(app.GetProfileInt(settings::kShowMarginDlg.in(section)));
    const PrintCalibration calibration = PrintCalibration::Read(app, section);
    for (int page = 1; page <= 2; ++page) {
        dlg.SetHorizontal(page, calibration.margin(page).left);
        dlg.SetVertical(page, calibration.margin(page).top);
    }
    dlg.setStoreOnOk([&] {
        platform::Registry::Batch margins = app.batch();
        app.WriteProfileInt(settings::kShowMarginDlg.in(section), dlg.GetDontShow());
        app.WriteProfileInt(settings::kLeftMargin1.in(section), dlg.GetHorizontal(1));
        app.WriteProfileInt(settings::kTopMargin1.in(section), dlg.GetVertical(1));
        app.WriteProfileInt(settings::kLeftMargin2.in(section), dlg.GetHorizontal(2));
        app.WriteProfileInt(settings::kTopMargin2.in(section), dlg.GetVertical(2));
        return margins.commit();
    });
    return dlg.DoModal();
}

}  // namespace

int RunMarginDialog(CQELWinAppEx& app, QStringView section, const MarginForm& form)
{
    const platform::HelpContextGuard helpContext(app.m_nHelpContext, HelpContextIds::kMargins);
    return form.sheets == 1 ? RunOnePage(app, section, form) : RunSheet(app, section, form);
}
