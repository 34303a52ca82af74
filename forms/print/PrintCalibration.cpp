#include "forms/print/PrintCalibration.h"

#include "app/SettingsStore.h"

PrintCalibration PrintCalibration::Read(const SettingsStore& settings, QStringView section)
{
    using namespace settings;
    const auto margin = [&](const FormIntValue& value) {
        return Read(settings, value.in(section), kMarginRange);
    };
    PrintCalibration calibration;
    calibration.margins = {
        {{margin(kLeftMargin1), margin(kTopMargin1)}, {margin(kLeftMargin2), margin(kTopMargin2)}}};
    calibration.printerFontFactor = Read(settings, kPrinterFontFactor.in(section), kPrinterFontFactorRange);
    return calibration;
}

int PrintCalibration::Read(const SettingsStore& settings, const settings::IntValue& value,
                           settings::IntRange range)
{
    return range.clamp(settings.GetProfileInt(value));
}
