#pragma once

#include <QSize>
#include <QString>

class QPrinter;

// The printer a print job goes to, as the print dialog shows it: its name and the size of its printable area.
struct JobPrinter {
    QString deviceName;
    QSize printableArea;  // device pixels

    // A page narrower than high.
    bool IsPortrait() const { return printableArea.width() < printableArea.height(); }

    static JobPrinter Of(const QPrinter& printer);
};
