#pragma once

#include "app/SettingsKeys.h"

#include <QStringView>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

class SettingsStore;

// Fields `first` to `last` of page 1.
struct FieldRange {
    std::uint16_t first;
    std::uint16_t last;

    bool contains(std::uint16_t field) const { return field >= first && field <= last; }
};

// A box of a form whose print position the user corrects apart from the sheet's margins: its fields move by
// the two settings, in tenths of a millimetre, positive to the right and up.
struct BoxCorrection {
    FieldRange fields;
    settings::IntValue horizontal;
    settings::IntValue vertical;
};

// How a form's printout is calibrated, read once for a print job: every value held to the range of the dialog
// that sets it, whatever was set by hand, so that what a dialog shows is what prints. The dialogs read their
// values through it too.
struct PrintCalibration {
    // A sheet's offset in tenths of a millimetre: positive moves the print right and down.
    struct Offset {
        int left = 0;
        int top = 0;
    };
    // A box's correction in tenths of a millimetre: positive moves it right and up.
    struct Shift {
        int horizontal = 0;
        int vertical = 0;
    };

    // Of the form's two sets of sheets ("LeftMargin1"/"TopMargin1" and "LeftMargin2"/"TopMargin2").
    std::array<Offset, 2> margins;
    int printerFontFactor = settings::kPrinterFontFactor.defaultValue;  // percent
    // Per mille, the same for every form.
    int printAreaVertical = settings::kPrnFactorV.defaultValue;
    int printAreaHorizontal = settings::kPrnFactorH.defaultValue;
    // By the form's box corrections, in their order.
    std::vector<Shift> boxShifts;

    // The calibration of the form whose settings section is `section` and whose boxes are corrected by
    // `boxes`.
    static PrintCalibration Read(const SettingsStore& settings, QStringView section,
                                 std::span<const BoxCorrection> boxes = {});
    // One value of the settings within `range`.
    static int Read(const SettingsStore& settings, const settings::IntValue& value, settings::IntRange range);

    // Sheet set 1 or 2.
    const Offset& margin(int marginSet) const { return margins[marginSet == 2 ? 1 : 0]; }
};
