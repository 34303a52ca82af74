#include "platform/print/PrintJob.h"

#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QPrinter>

namespace platform {

PrintJob::PrintJob(QPagedPaintDevice& device) : m_device(device) {}

bool PrintJob::begin(const QString& title)
{
    prepareDevice(title);
    return m_painter.begin(&m_device);
}

bool PrintJob::newPage()
{
    return m_device.newPage();
}

bool PrintJob::end()
{
    return m_painter.end();
}

void PrintJob::prepareDevice(const QString& title)
{
    // Qt keeps page margins of its own (10 pt unless a driver says otherwise) and paints from their corner;
    // margins as small as the device allows put the origin at the corner of what it can print.
    const QPageLayout layout = m_device.pageLayout();
    m_device.setPageMargins(layout.minimumMargins(), layout.units());
    if (auto* printer = dynamic_cast<QPrinter*>(&m_device)) {
        printer->setFullPage(false);
        // Copies are the pages the job paints; the printer itself makes one of each.
        printer->setCopyCount(1);
        printer->setPrintRange(QPrinter::AllPages);
        printer->setFromTo(0, 0);
        printer->setDocName(title);
    } else if (auto* pdf = dynamic_cast<QPdfWriter*>(&m_device)) {
        pdf->setTitle(title);
    }
}

}  // namespace platform
