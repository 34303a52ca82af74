#include "app/CQEL_Math.h"

#include <cmath>
#include <limits>

int CQEL_Math::Round(float value)
{
    if (std::isnan(value)) return 0;
    const double rounded = std::nearbyint(static_cast<double>(value));
    if (rounded >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (rounded <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(rounded);
}
