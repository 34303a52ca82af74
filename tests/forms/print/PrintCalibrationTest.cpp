#include "forms/print/PrintCalibration.h"

#include "app/SettingsStore.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>
#include <climits>

using namespace settings;

// Values set by hand beyond what their dialogs offer are taken at the nearer end of the dialog's range: the
// margin dialogs ±20 mm, the box corrections ±9.9 mm, the printer font sizes 50 % to 150 %, the print area
// 97 % to 103 %; values within it are taken as they are, and missing ones as their defaults.
TEST(PrintCalibration, HoldsEveryValueToTheRangeOfItsDialog)
{
    QTemporaryDir folder;
    SettingsStore store(folder.path(), QStringLiteral("Software\\Brandel\\Kalvenport-Zuzaza"));
    constexpr BoxCorrection kBoxes[] = {{{11, 18}, kATRField12HorCorr, kATRField12VertCorr},
                                        {{19, 20}, kATRField13HorCorr, kATRField13VertCorr}};
    const PrintCalibration untouched = PrintCalibration::Read(store, kATRSection, kBoxes);
    EXPECT_EQ(untouched.printerFontFactor, 95);
    EXPECT_EQ(untouched.printAreaVertical, 1000);
    ASSERT_EQ(untouched.boxShifts.size(), 2u);

    struct Case {
        int stored;
        int margin;
        int box;
        int fontFactor;
        int printArea;
    };
    const Case cases[] = {
        {0, 0, 0, 50, 970},
        {-15, -15, -15, 50, 970},
        {99, 99, 99, 99, 970},
        {100, 100, 99, 100, 970},
        {151, 151, 99, 150, 970},
        {200, 200, 99, 150, 970},
        {999, 200, 99, 150, 999},
        {1031, 200, 99, 150, 1030},
        {-250, -200, -99, 50, 970},
        {INT_MAX, 200, 99, 150, 1030},
        {INT_MIN, -200, -99, 50, 970},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        for (const auto* value :
             {&kLeftMargin1, &kTopMargin1, &kLeftMargin2, &kTopMargin2, &kPrinterFontFactor})
            store.WriteProfileInt(value->in(kATRSection), c.stored);
        for (const IntValue& value : {kATRField12HorCorr, kATRField12VertCorr, kATRField13HorCorr,
                                      kATRField13VertCorr, kPrnFactorV, kPrnFactorH})
            store.WriteProfileInt(value, c.stored);
        const PrintCalibration read = PrintCalibration::Read(store, kATRSection, kBoxes);
        for (int set : {1, 2}) {
            EXPECT_EQ(read.margin(set).left, c.margin);
            EXPECT_EQ(read.margin(set).top, c.margin);
        }
        for (const PrintCalibration::Shift& shift : read.boxShifts) {
            EXPECT_EQ(shift.horizontal, c.box);
            EXPECT_EQ(shift.vertical, c.box);
        }
        EXPECT_EQ(read.printerFontFactor, c.fontFactor);
        EXPECT_EQ(read.printAreaVertical, c.printArea);
        EXPECT_EQ(read.printAreaHorizontal, c.printArea);
    }
}
