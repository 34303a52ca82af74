#pragma once

#include "forms/print/JobPrinter.h"
#include "forms/print/PrintDialogForm.h"
#include "platform/dialog/Dialog.h"

#include <QStringView>
#include <optional>

class CQELWinAppEx;
class SettingsStore;

// "Formular bedrucken": shows the printer the job goes to and how its page lies, and lets the user choose the
// sheet of the form set in the printer, the number of copies and whether this printer is kept for the form.
// "Druckerauswahl" ends the dialog like a cancel, with m_bPrinterChoice set, so that the caller can run the
// printer set-up. The dialog writes no settings: the caller stores what it chose.
//
// Use: CDlgDrucken dlg(app, form, section, JobPrinter::Of(printer)); then dlg.doModal() gives answer::kOk
// with m_nSheet, m_nCopies, m_bAlwaysThisPrinter and m_strPrinterName filled, or answer::kCancel.
class CDlgDrucken : public platform::Dialog {
    Q_OBJECT
public:
    // For `form`, whose settings section is `section`; presets "Immer diesen Drucker verwenden" from the
    // form's settings (SavedPrinter).
    CDlgDrucken(CQELWinAppEx& app, const PrintDialogForm& form, QStringView section,
                const JobPrinter& printer, QWidget* parent = nullptr);

    // The printer that the form with settings section `section` keeps, when it is to be used again: "Printer"
    // is not "@" and "ReUsePrn" is 1. The caller makes it the job's printer before the dialog shows.
    static std::optional<QString> SavedPrinter(const SettingsStore& settings, QStringView section);

    unsigned m_nCopies = 1;
    int m_bAlwaysThisPrinter = 0;
    // 1 when "Druckerauswahl" closed the dialog.
    int m_bPrinterChoice = 0;
    // The chosen item of the sheet list + 1.
    std::uint16_t m_nSheet = 0;
    const PrintFormKind m_PrintFormKind;
    QString m_strPrinterName;
    int m_bPortrait = 1;
    QString m_strCaption;

protected:
    void onInitDialog() override;
    void doDataExchange(platform::DataExchange& exchange) override;
    void onOk() override;

private:
    void ShowPrinterName();
    void ShowOrientation();
    void FillSheetList();
    void OnPrinterChoice();

    CQELWinAppEx& m_app;
    const PrintDialogForm& m_form;
    JobPrinter m_printer;
};
