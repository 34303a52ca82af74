#pragma once

#include <QString>

// One margin offset of a printed sheet, kept in whole tenths of a millimetre as the settings store it: the
// dialogs show exactly the value they store. Positive moves the print to the right or down. The arrows step
// by half a millimetre and stop at 20 mm either way; a value already beyond that only moves back.
class MarginOffset {
public:
    static constexpr int kStep = 5;
    static constexpr int kLimit = 200;

    // "L" and "O": towards the left or the top.
    static int StepBack(int tenths);
    // "R" and "U": towards the right or the bottom.
    static int StepOn(int tenths);

    // "1.5 mm nach rechts", "unverändert"; English for language 1, German for every other.
    static QString HorizontalText(int tenths, int language);
    static QString VerticalText(int tenths, int language);
};
