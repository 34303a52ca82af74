#include "forms/common/FormPrintJob.h"

#include "forms/common/FormDocument.h"
#include "forms/common/FormPrinting.h"
#include "forms/print/PrintCalibration.h"
#include "platform/gdi/Dc.h"
#include "platform/print/PrintJob.h"

FormPrintJob::FormPrintJob(const SettingsStore& settings, FormDocument& document, FormPrinting& printing)
    : m_settings(settings), m_document(document), m_printing(printing)
{
}

bool FormPrintJob::Print(QPagedPaintDevice& device, int sheet, int pages)
{
    if (!m_document.FieldEditor()) return false;
    m_document.CommitTypedText();
    const FormDefinition& form = m_document.definition();
    const PrintCalibration calibration =
        PrintCalibration::Read(m_settings, form.fields.section, form.boxCorrections);

    platform::PrintJob job(device);
    if (!job.begin(m_document.title())) return false;
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !job.newPage()) return false;
        platform::Dc dc(job.painter());
        m_printing.PrintSheet(dc, sheet, calibration);
    }
    return job.end();
}
