#pragma once

#include <QPainter>
#include <QString>
#include <optional>

class QPagedPaintDevice;

namespace platform {

// One print job on a printer or into a PDF, as a Windows printer runs it: every page is painted with its
// origin at the top-left corner of the device's printable area (the whole sheet for a PDF or a queue without
// hardware margins), the job goes out as one copy of all its pages, and it carries the document's title as
// its name. Whatever the printer set-up or the device's own defaults left on the device (page margins, a copy
// count, a page range) plays no part. A job for a printer has succeeded only when the printer's queue took
// it.
class PrintJob {
public:
    explicit PrintJob(QPagedPaintDevice& device);

    // Starts the job named `title`; false when the device cannot be painted on or the printer's queue is
    // gone.
    bool begin(const QString& title);
    // Ends the page painted so far and starts the next one.
    bool newPage();
    // Painting on the current page, in device pixels from the corner of the printable area.
    QPainter& painter() { return m_painter; }
    // Sends the job; false when it could not be finished or the printer's queue did not take it.
    bool end();

private:
    void prepareDevice(const QString& title);

    QPagedPaintDevice& m_device;
    QPainter m_painter;
    std::optional<QString> m_queue;  // the printer's queue; nothing for a file
};

}  // namespace platform
