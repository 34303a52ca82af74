#include "forms/print/PrintCalibration.h"

#include "app/SettingsStore.h"

PrintCalibration PrintCalibration::Read(const SettingsStore& settings, QStringView section,
                                        std::span<const BoxCorrection> boxes)
{
    using namespace settings;
    const auto margin = [&](const FormIntValue& value) {
        return Read(settings, value.in(section), kMarginRange);
    };
    PrintCalibration calibration;
    calibration.margins = {
        {{margin(kLeftMargin1), margin(kTopMargin1)}, {margin(kLeftMargin2), margin(kTopMargin2)}}};
    calibration.printerFontFactor = Read(settings, kPrinterFontFactor.in(section), kPrinterFontFactorRange);
    calibration.printAreaVertical = Read(settings, kPrnFactorV, kPrintAreaRange);
    calibration.printAreaHorizontal = Read(settings, kPrnFactorH, kPrintAreaRange);
    for (const BoxCorrection& box : boxes) {
        calibration.boxShifts.push_back({Read(settings, box.horizontal, kBoxCorrectionRange),
                                         Read(settings, box.vertical, kBoxCorrectionRange)});
    }
    return calibration;
}

int PrintCalibration::Read(const SettingsStore& settings, const settings::IntValue& value,
                           settings::IntRange range)
{
    return range.clamp(settings.GetProfileInt(value));
}
