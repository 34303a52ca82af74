#pragma once

#include "platform/file/WholeFile.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>

class CQELWinAppEx;
class FormDocument;
class FormPrinting;
class QAbstractScrollArea;

// The print command of a form's window, kept out of the widget: the margin command first unless the form's
// "ShowMarginDlg" is 1, the printer the form keeps, the print dialog for the sheet and the copies, the
// printer set-up behind "Druckerauswahl", then the job on the application's printer.
class FormPrintCommand {
public:
    // `view` is the window the dialogs stand over and that is repainted after them; `runMarginCommand`
    // runs the window's margin command as its menu does.
    FormPrintCommand(CQELWinAppEx& app, FormDocument& document, std::unique_ptr<FormPrinting> printing,
                     QAbstractScrollArea& view, std::function<void()> runMarginCommand);
    ~FormPrintCommand();

    // The form's sheets on paper.
    const FormPrinting& printing() const { return *m_printing; }

    // One print command. `printSheet` is the sheet the print dialog chose, kept for the next command.
    void OnFilePrint(int& printSheet);
    // Makes the form's saved printer the job's printer and asks with the print dialog for the sheet and the
    // copies, storing the printer choice. True with the job's page count in `pages`; false when no job is to
    // run: cancelled, or "Druckerauswahl", which runs the printer set-up and then a print run of its own.
    bool OnPreparePrinting(int& pages, int& printSheet);
    // The print dialog's OK, and "Druckerauswahl" with `keep` false: whether the form keeps `printerName` for
    // its next jobs, in one write.
    platform::wholefile::WriteResult StorePrinterChoice(bool keep, const QString& printerName);
    // The pages of a job for a number of copies: the sheet once per copy, at least once and at most 99 times.
    static int PagesForCopies(unsigned copies);

private:
    void DoFilePrint(int& printSheet);
    bool ShowsMarginDialog() const;
    std::optional<QString> SavedPrinter() const;
    void SelectPrinterByName(const QString& name);
    void RunPrintSetup();

    CQELWinAppEx& m_app;
    FormDocument& m_document;
    std::unique_ptr<FormPrinting> m_printing;
    QAbstractScrollArea& m_view;
    std::function<void()> m_runMarginCommand;
};
