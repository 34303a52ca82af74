#pragma once

#include "app/SettingsKeys.h"

#include <QStringView>
#include <array>

class SettingsStore;

// How a form's printout is calibrated, as printing uses it and the calibration dialogs show it: every value
// held to the range of the dialog that sets it, whatever was set by hand, so that what a dialog shows is what
// prints.
struct PrintCalibration {
    // A sheet's offset in tenths of a millimetre: positive moves the print right and down.
    struct Offset {
        int left = 0;
        int top = 0;
    };

    // Of the form's two sets of sheets ("LeftMargin1"/"TopMargin1" and "LeftMargin2"/"TopMargin2").
    std::array<Offset, 2> margins;
    int printerFontFactor = settings::kPrinterFontFactor.defaultValue;  // percent

    // The calibration of the form whose settings section is `section`.
    static PrintCalibration Read(const SettingsStore& settings, QStringView section);
    // One value of the settings within `range`.
    static int Read(const SettingsStore& settings, const settings::IntValue& value, settings::IntRange range);

    // Sheet set 1 or 2.
    const Offset& margin(int marginSet) const { return margins[marginSet == 2 ? 1 : 0]; }
};
