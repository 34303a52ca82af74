#pragma once

#include "editor/CQeEditWindow.h"
#include "forms/print/PrintCalibration.h"
#include "platform/gdi/GdiTypes.h"

#include <QPoint>
#include <cstdint>

class FormDocument;
class SettingsStore;
struct FormDefinition;
struct FormRect;

namespace platform {
class Dc;
}

// A form's sheets on paper, apart from any window: what the form prints on each sheet (its page printers
// PrintPage1 and PrintPage2) and where (GetPrintFieldRect), and the pieces the forms share for it: the
// sheet's print origin, the job's calibration, the corrected boxes, the goods columns with the strike-out
// below them and the reference marks. Each form that prints derives its own (forms/atr/ATR_Printing).
//
// Print positions are tenths of a millimetre in the metric mode, y upwards, from the corner of the printable
// area; a table point (x, y) prints at (origin.x + x, origin.y - y).
class FormPrinting {
public:
    FormPrinting(const SettingsStore& settings, FormDocument& document);
    virtual ~FormPrinting() = default;
    FormPrinting(const FormPrinting&) = delete;
    FormPrinting& operator=(const FormPrinting&) = delete;

    // Prints sheet `sheet` of the form's print dialog onto `dc`, whose origin is the corner of the printable
    // area: the printer fonts by `calibration`, the origin of the sheet from its margins, then its page
    // printer. The document's editor must exist.
    void PrintSheet(platform::Dc& dc, int sheet, const PrintCalibration& calibration);

    // A field's print rectangle, placed at the print origin. A field beyond the page's table takes the
    // rectangle of field 0.
    virtual platform::Rect GetPrintFieldRect(std::uint16_t field, int page) const;
    // The rectangle a field's text prints into, as the settings have it now: on the form's own paper, its
    // print rectangle.
    virtual platform::Rect PaperRect(std::uint16_t field, int page) const;
    // The paper as `calibration` and the settings have it, for the editor to break every field's text into
    // the lines it prints in.
    CQeEditWindow::Paper PaperOf(const PrintCalibration& calibration) const;
    virtual void PrintPage1(platform::Dc& dc) = 0;
    virtual void PrintPage2(platform::Dc& dc) = 0;

    // The pen of every line on paper: solid, black, 0.2 mm.
    static platform::Pen PrintPen();

    // The sheet being printed, 1 to the number of sheets the print dialog offers.
    int m_nPrintSheet = 1;
    QPoint m_ptPrintOrigin;

protected:
    const SettingsStore& settings() const { return m_settings; }
    FormDocument& document() const { return m_document; }
    const FormDefinition& definition() const;
    CQeEditWindow& editor() const;
    const PrintCalibration& calibration() const { return *m_calibration; }

    // A field's stored text in `rect`, scaled by the job's print-area factors; the height the text took,
    // negative as y runs.
    int PrintField(platform::Dc& dc, const platform::Rect& rect, std::uint16_t field, std::uint16_t page);
    // A rectangle of a print table placed at the print origin.
    platform::Rect PlacedAtOrigin(const FormRect& box) const;
    // The print rectangle of page-1 field `field`, moved by the correction of its box if it has one.
    platform::Rect CorrectedPrintRect(std::uint16_t field) const;
    // Page-1 fields `first` to `last` each in its corrected print rectangle, the goods columns tidied; the
    // least height a goods column's text took, for StrikeOutBelowGoods.
    int PrintPage1Fields(platform::Dc& dc, std::uint16_t first, std::uint16_t last);
    // A goods column printed with its text tidied to one line end at the end, which the document keeps; the
    // height the text took.
    int PrintGoodsField(platform::Dc& dc, const platform::Rect& rect, std::uint16_t field);
    // Unless the form's "NoPrintBNase" is set: a line across the goods columns 2 mm above the end of the
    // tallest of them, in its empty last line, then down to the lower-left corner of the first column, so
    // that nothing can be added below the goods. `tallest` is the least height PrintGoodsField gave. The line
    // lies in the rectangles as the print-area factors place the texts; when the goods run past their box it
    // ends level instead of climbing back to the box's corner.
    void StrikeOutBelowGoods(platform::Dc& dc, int tallest, const platform::Pen& pen);
    // The two marks by which the user sees where the margins put the print, `x` right of the origin: a corner
    // drawn from `cornerY` below the origin 2 mm up and then 2 mm to the right, and a tick from `tickY` below
    // it 4 mm up.
    void DrawReferenceMarks(platform::Dc& dc, const platform::Pen& pen, int x, int cornerY, int tickY);

private:
    const SettingsStore& m_settings;
    FormDocument& m_document;
    const PrintCalibration* m_calibration = nullptr;
};
