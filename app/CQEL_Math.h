#pragma once

// Rounding of the values that the settings and the font set-up compute in floating point.
class CQEL_Math {
public:
    virtual ~CQEL_Math() = default;

    // The nearest whole number, exact halves to the even neighbour (as "%.0f" of the C library rounds);
    // NaN gives 0, values beyond int give the nearest end of int.
    virtual int Round(float value);
};
