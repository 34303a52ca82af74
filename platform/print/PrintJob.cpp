#include "platform/print/PrintJob.h"

#include "platform/print/CupsQueue.h"

#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QPrinter>

namespace platform {

PrintJob::PrintJob(QPagedPaintDevice& device) : m_device(device) {}

bool PrintJob::begin(const QString& title)
{
    prepareDevice(title);
    const auto* printer = dynamic_cast<const QPrinter*>(&m_device);
    if (printer && printer->outputFormat() == QPrinter::NativeFormat) m_queue = printer->printerName();
    // A queue removed since it was chosen would take the pages and lose them without a word.
    if (m_queue && !CupsQueue(*m_queue).exists()) return false;
    return m_painter.begin(&m_device);
}

bool PrintJob::newPage()
{
    return m_device.newPage();
}

bool PrintJob::end()
{
    if (!m_queue) return m_painter.end();
    // Qt hands the finished pages to the scheduler while the painting ends and drops the scheduler's answer.
    // CUPS keeps the status of this thread's last request: the lookup leaves a granted one, so any other
    // after the end is the scheduler refusing the job (the queue went, or takes no jobs).
    const bool queueThere = CupsQueue(*m_queue).exists();
    const bool ended = m_painter.end();
    return ended && queueThere && CupsQueue::lastRequestGranted();
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
