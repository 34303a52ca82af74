#include "platform/print/PrinterCatalog.h"

#include <QPrinterInfo>
#include <optional>

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

void PrinterCatalog::setPrinters(const Printers& printers)
{
    replacement() = printers;
}

void PrinterCatalog::useSystemPrinters()
{
    replacement().reset();
}

}  // namespace platform
