#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// The printers the system knows, by name. The program asks CUPS through Qt; a test puts its own list in place
// so that it never depends on the machine's printers.
class PrinterCatalog {
public:
    struct Printers {
        QStringList names;
        // Empty when the system has no default printer.
        QString defaultName;
    };

    static QStringList names();
    static QString defaultName();
    // Printer names match exactly: CUPS keeps them case-sensitive.
    static bool exists(const QString& name);

    // Replaces the system's printers with a fixed list until useSystemPrinters().
    static void setPrinters(const Printers& printers);
    static void useSystemPrinters();
};

}  // namespace platform
