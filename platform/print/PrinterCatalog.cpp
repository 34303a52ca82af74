#include "platform/print/PrinterCatalog.h"

#include "platform/print/CupsQueue.h"

#include <QPrinterInfo>

namespace platform {
namespace {

std::optional<PrinterCatalog::Printers>& replacement()
{
    static std::optional<PrinterCatalog::Printers> printers;
    return printers;
}

}  // namespace

QStringList PrinterCatalog::names()
{
    return replacement() ? replacement()->names : QPrinterInfo::availablePrinterNames();
}

QString PrinterCatalog::defaultName()
{
    return replacement() ? replacement()->defaultName : QPrinterInfo::defaultPrinterName();
}

bool PrinterCatalog::exists(const QString& name)
{
    return !name.isEmpty() && names().contains(name);
}

std::optional<PrinterCatalog::Details> PrinterCatalog::details(const QString& name)
{
    if (!exists(name)) return std::nullopt;
    if (replacement()) return replacement()->details.value(name);
    // Qt does not tell where a printer is attached; the scheduler's queue does.
    return Details{QPrinterInfo::printerInfo(name).makeAndModel(), CupsQueue(name).option("device-uri")};
}

void PrinterCatalog::setPrinters(const Printers& printers)
{
    replacement() = printers;
}

void PrinterCatalog::useSystemPrinters()
{
    replacement().reset();
}

}  // namespace platform
