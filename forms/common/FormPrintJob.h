#pragma once

class FormDocument;
class FormPrinting;
class QPagedPaintDevice;
class SettingsStore;

// One print job of a form, outside any window, as the print command, form-inspect and the tests run it: the
// text being typed is committed, the calibration is read once, and the chosen sheet goes onto every page of
// one job named after the document, from the corner of the device's printable area.
class FormPrintJob {
public:
    FormPrintJob(const SettingsStore& settings, FormDocument& document, FormPrinting& printing);

    // Sheet `sheet` once on each of `pages` pages of `device`. False when the form has no fields to print
    // from (its window is going) or the device cannot be painted on.
    bool Print(QPagedPaintDevice& device, int sheet, int pages);

private:
    const SettingsStore& m_settings;
    FormDocument& m_document;
    FormPrinting& m_printing;
};
