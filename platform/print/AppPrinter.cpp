#include "platform/print/AppPrinter.h"

#include "platform/dialog/UiService.h"
#include "platform/gdi/Mapper.h"
#include "platform/print/PrinterCatalog.h"

#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTabWidget>

namespace platform {
namespace {

// The set-up chooses the printer and its paper, and prints nothing. Qt's print dialog also offers the copies
// and a page range of a job, on a tab of their own; a form's copies come from its own print dialog, so that
// tab goes, and the dialog is named and confirmed as the set-up it is.
void makeSetUp(QPrintDialog& dialog)
{
    dialog.setWindowTitle(QStringLiteral("Druckeinrichtung"));
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) ok->setText(QStringLiteral("OK"));
    }
    auto* tabs = dialog.findChild<QTabWidget*>(QStringLiteral("tabs"));
    auto* jobOptions = dialog.findChild<QWidget*>(QStringLiteral("copiesTab"));
    if (!jobOptions) return;
    if (tabs) tabs->removeTab(tabs->indexOf(jobOptions));
    jobOptions->hide();
}

}  // namespace

AppPrinter::AppPrinter() = default;
AppPrinter::~AppPrinter() = default;

QString AppPrinter::name() const
{
    return m_name.value_or(PrinterCatalog::defaultName());
}

bool AppPrinter::select(const QString& name)
{
    if (!PrinterCatalog::exists(name)) return false;
    m_name = name;
    if (m_printer) m_printer->setPrinterName(name);
    return true;
}

QPrinter& AppPrinter::printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setResolution(kPaperDotsPerInch);
        if (!name().isEmpty()) m_printer->setPrinterName(name());
    }
    return *m_printer;
}

bool AppPrinter::hasDevice()
{
    return !name().isEmpty() || !printer().outputFileName().isEmpty();
}

bool AppPrinter::runPrintSetup(QWidget* parent)
{
    QPrintDialog dialog(&printer(), parent);
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    makeSetUp(dialog);
    if (UiService::instance().runDialog(dialog) != QDialog::Accepted) return false;
    m_name = printer().printerName();
    return true;
}

std::optional<PrinterDevice> AppPrinter::deviceOf(const QString& name)
{
    if (!PrinterCatalog::exists(name)) return std::nullopt;
    return PrinterDevice{name, QPrinterInfo::printerInfo(name).makeAndModel()};
}

}  // namespace platform
