#pragma once

#include <QString>
#include <memory>
#include <optional>

class QPrinter;
class QWidget;

namespace platform {

// What describes a printer the system knows: its name and its driver (CUPS's make and model).
struct PrinterDevice {
    QString deviceName;
    QString driverName;
};

// The application's printer: the one every print job starts on. It is the system's default printer until
// the printer set-up or a form's saved printer makes another one current, and stays so for later jobs.
class AppPrinter {
public:
    AppPrinter();
    ~AppPrinter();

    // Empty while the system has no default printer and none was chosen.
    QString name() const;
    // Makes a printer the system knows the application's printer; a name it does not know changes nothing
    // and answers false.
    bool select(const QString& name);
    // The printer set up for the current name.
    QPrinter& printer();
    // Whether a job has somewhere to go: a printer, or a file that the set-up chose to print into.
    bool hasDevice();

    // The printer set-up dialog over `parent`: the printer and its paper chosen there become the
    // application's printer. It offers no copies and no page range: those belong to each job.
    bool runPrintSetup(QWidget* parent);

    // The device of a printer the system knows; nothing for an unknown name.
    static std::optional<PrinterDevice> deviceOf(const QString& name);

private:
    std::optional<QString> m_name;  // nothing: the system's default
    std::unique_ptr<QPrinter> m_printer;
};

}  // namespace platform
