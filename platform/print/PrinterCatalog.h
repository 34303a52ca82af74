#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

namespace platform {

// The printers the system knows, by name. The program asks CUPS through Qt; a test puts its own list in place
// so that it never depends on the machine's printers.
class PrinterCatalog {
public:
    // What the system tells of one printer: its make and model (the driver it prints with) and the device
    // it is attached to, as CUPS names it ("usb://...", "ipp://..."); each empty where the system does not
    // say.
    struct Details {
        QString makeAndModel;
        QString deviceUri;
    };
    struct Printers {
        QStringList names;
        // Empty when the system has no default printer.
        QString defaultName;
        // A listed printer without details here has none to tell.
        QHash<QString, Details> details = {};
    };

    static QStringList names();
    static QString defaultName();
    // Printer names match exactly: CUPS keeps them case-sensitive.
    static bool exists(const QString& name);
    // Nothing when no printer has that name.
    static std::optional<Details> details(const QString& name);

    // Replaces the system's printers with a fixed list until useSystemPrinters().
    static void setPrinters(const Printers& printers);
    static void useSystemPrinters();
};

}  // namespace platform
