#include "forms/common/FormPrintCommand.h"

#include "app/CMainFrame.h"
#include "app/CQELWinAppEx.h"
#include "app/HelpContextIds.h"
#include "forms/common/FormDocument.h"
#include "forms/common/FormPrintJob.h"
#include "forms/common/FormPrinting.h"
#include "forms/print/CDlgDrucken.h"
#include "forms/print/JobPrinter.h"
#include "platform/dialog/HelpContext.h"
#include "platform/dialog/StoreOnOk.h"
#include "platform/dialog/UiService.h"

#include <QAbstractScrollArea>
#include <QPrinter>
#include <algorithm>

namespace {

// A job prints the sheet once per copy, 99 times at most.
constexpr int kLastPageOfAJob = 99;
const QString kJobNotStartedMessage = QStringLiteral("Der Druckauftrag konnte nicht gestartet werden.");

}  // namespace

FormPrintCommand::FormPrintCommand(CQELWinAppEx& app, FormDocument& document,
                                   std::unique_ptr<FormPrinting> printing, QAbstractScrollArea& view,
                                   std::function<void()> runMarginCommand)
    : m_app(app),
      m_document(document),
      m_printing(std::move(printing)),
      m_view(view),
      m_runMarginCommand(std::move(runMarginCommand))
{
}

FormPrintCommand::~FormPrintCommand() = default;

void FormPrintCommand::OnFilePrint(int& printSheet)
{
    if (ShowsMarginDialog()) m_runMarginCommand();
    DoFilePrint(printSheet);
}

// One print run: the preparation, then the job on the application's printer.
void FormPrintCommand::DoFilePrint(int& printSheet)
{
    int pages = 0;
    if (!OnPreparePrinting(pages, printSheet)) return;
    FormPrintJob job(m_app, m_document, *m_printing);
    if (!job.Print(m_app.m_printer.printer(), printSheet, pages)) {
        platform::UiService::instance().messageBox({CQELWinAppEx::kAppName.toString(), kJobNotStartedMessage,
                                                    platform::MessageButtons::Ok,
                                                    platform::MessageIcon::Warning});
    }
}

bool FormPrintCommand::OnPreparePrinting(int& pages, int& printSheet)
{
    const std::optional<QString> saved = SavedPrinter();
    if (saved) SelectPrinterByName(*saved);
    // A job needs somewhere to go: with no printer at all the printer set-up asks for one first.
    if (!m_app.m_printer.hasDevice()) m_app.m_printer.runPrintSetup(m_view.window());

    const FormDefinition& form = m_document.definition();
    const QStringView section = form.fields.section;
    CDlgDrucken dlg(m_app, form.print.dialog, section, JobPrinter::Of(m_app.m_printer.printer()), &m_view);
    dlg.m_bAlwaysThisPrinter = saved ? 1 : 0;
    dlg.setStoreOnOk([&] { return StorePrinterChoice(dlg.m_bAlwaysThisPrinter != 0, dlg.m_strPrinterName); });
    if (dlg.doModal() == platform::answer::kOk) {
        pages = PagesForCopies(dlg.m_nCopies);
        printSheet = dlg.m_nSheet;
        return true;
    }
    if (dlg.m_bPrinterChoice) {
        RunPrintSetup();
        // The form keeps no printer of its own any more: the one just chosen is for this run.
        platform::storedOrTold(StorePrinterChoice(false, {}));
        if (ShowsMarginDialog()) m_runMarginCommand();
        // The run starts again with the printer just chosen.
        DoFilePrint(printSheet);
    }
    m_view.viewport()->repaint();
    return false;
}

platform::wholefile::WriteResult FormPrintCommand::StorePrinterChoice(bool keep, const QString& printerName)
{
    const QStringView section = m_document.fieldTable().section;
    platform::Registry::Batch printer = m_app.batch();
    m_app.WriteProfileInt(settings::kReUsePrn.in(section), keep ? 1 : 0);
    m_app.WriteProfileString(settings::kPrinter.in(section),
                             keep ? printerName : settings::kPrinter.defaultValue.toString());
    return printer.commit();
}

int FormPrintCommand::PagesForCopies(unsigned copies)
{
    return copies == 0 ? 1 : static_cast<int>(std::min<unsigned>(copies, kLastPageOfAJob));
}

bool FormPrintCommand::ShowsMarginDialog() const
{
    return m_app.GetProfileInt(settings::kShowMarginDlg.in(m_document.fieldTable().section)) != 1;
}

// The printer the form keeps, when it is to be used again. An empty name is no printer, like "@", so that
// it does not end in a message about a printer that cannot be found.
std::optional<QString> FormPrintCommand::SavedPrinter() const
{
    std::optional<QString> saved = CDlgDrucken::SavedPrinter(m_app, m_document.fieldTable().section);
    if (saved && saved->isEmpty()) return std::nullopt;
    return saved;
}

void FormPrintCommand::SelectPrinterByName(const QString& name)
{
    if (auto* frame = qobject_cast<CMainFrame*>(m_app.m_pMainWnd.data())) frame->SelectPrinterByName(name);
}

void FormPrintCommand::RunPrintSetup()
{
    const platform::HelpContextGuard help(m_app.m_nHelpContext, HelpContextIds::kPrintSetup);
    m_app.m_printer.runPrintSetup(m_view.window());
}
