#include "platform/print/PrinterCatalog.h"

#include <cups/cups.h>
#include <QPrinterInfo>
#include <memory>

namespace platform {
namespace {

std::optional<PrinterCatalog::Printers>& replacement()
{
    static std::optional<PrinterCatalog::Printers> printers;
    return printers;
}

// Qt does not tell where a printer is attached; the scheduler's destination does.
QString deviceUri(const QString& name)
{
    const QByteArray destName = name.toUtf8();
    const std::unique_ptr<cups_dest_t, void (*)(cups_dest_t*)> dest(
        cupsGetNamedDest(CUPS_HTTP_DEFAULT, destName.constData(), nullptr),
        [](cups_dest_t* d) { cupsFreeDests(1, d); });
    if (!dest) return {};
    return QString::fromUtf8(cupsGetOption("device-uri", dest->num_options, dest->options));
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
    return Details{QPrinterInfo::printerInfo(name).makeAndModel(), deviceUri(name)};
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
