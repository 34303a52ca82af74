#include "app/CQEL_Math.h"

#include <gtest/gtest.h>
#include <limits>

TEST(CQEL_Math, RoundsToTheNearestWholeNumber)
{
    CQEL_Math math;
    const std::pair<float, int> cases[] = {
        {0.4f, 0},
        {12.6f, 13},
        {-0.6f, -1},
        {2.4f, 2},
        {2.6f, 3},
        {-2.6f, -3},
        {0.0f, 0},
        // Exact halves go to the even neighbour, as "%.0f" does with the GNU C library.
        {2.5f, 2},
        {3.5f, 4},
        {-2.5f, -2},
        {0.5f, 0},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(math.Round(in), out) << in;
}

TEST(CQEL_Math, HasADefinedResultOutsideInt)
{
    CQEL_Math math;
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    EXPECT_EQ(math.Round(std::numeric_limits<float>::quiet_NaN()), 0);
    EXPECT_EQ(math.Round(1e10f), kMax);
    EXPECT_EQ(math.Round(-1e10f), kMin);
    EXPECT_EQ(math.Round(std::numeric_limits<float>::infinity()), kMax);
    EXPECT_EQ(math.Round(-std::numeric_limits<float>::infinity()), kMin);
}
