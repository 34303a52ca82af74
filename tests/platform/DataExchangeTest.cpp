#include "platform/dialog/DataExchange.h"

#include <gtest/gtest.h>
#include <limits>

using platform::DataExchange;

namespace {

struct IntCase {
    const char* text;
    std::optional<int> value;
};

const IntCase kInts[] = {
    {"12", 12},
    {" 12 ", 12},
    {"\t-7\t", -7},
    {"+5", 5},
    {"-0", 0},
    {"2147483647", std::numeric_limits<int>::max()},
    {"-2147483648", std::numeric_limits<int>::min()},
    {"2147483648", std::nullopt},
    {"-2147483649", std::nullopt},
    {"99999999999", std::nullopt},
    {"", std::nullopt},
    {"  ", std::nullopt},
    {"-", std::nullopt},
    {"12abc", std::nullopt},
    {"1 2", std::nullopt},
    {"0x10", std::nullopt},
    {"1.0", std::nullopt},
    {"--1", std::nullopt},
};

struct UnsignedCase {
    const char* text;
    std::optional<unsigned> value;
};

const UnsignedCase kUnsigneds[] = {
    {"0", 0u},
    {"3", 3u},
    {"+3", 3u},
    {" 250 ", 250u},
    {"4294967295", 4294967295u},
    {"4294967296", std::nullopt},
    {"-1", std::nullopt},
    {"-0", std::nullopt},
    {"abc", std::nullopt},
    {"", std::nullopt},
};

struct FloatCase {
    const char* text;
    std::optional<float> value;
};

const FloatCase kFloats[] = {
    {"99.95", 99.95f},     {" 1.5 ", 1.5f},        {"-0.5", -0.5f},         {"1e2", 100.0f},
    {"95", 95.0f},         {"99,5", std::nullopt}, {"1,000", std::nullopt}, {"nan", std::nullopt},
    {"inf", std::nullopt}, {"1e39", std::nullopt}, {"", std::nullopt},      {"1.5mm", std::nullopt},
};

}  // namespace

// Whole numbers are read as the framework reads them, unsigned ones refuse every sign, and numbers take a
// decimal point only and never infinity or NaN.
TEST(DataExchangeParsing, EachKindOfNumberTakesOnlyWhatTheFrameworkTakes)
{
    for (const IntCase& c : kInts)
        EXPECT_EQ(DataExchange::parseInt(QString::fromLatin1(c.text)), c.value) << c.text;
    for (const UnsignedCase& c : kUnsigneds)
        EXPECT_EQ(DataExchange::parseUnsigned(QString::fromLatin1(c.text)), c.value) << c.text;
    for (const FloatCase& c : kFloats)
        EXPECT_EQ(DataExchange::parseFloat(QString::fromLatin1(c.text)), c.value) << c.text;
}

TEST(DataExchangeParsing, NumbersAreShownWithSixSignificantDigits)
{
    EXPECT_EQ(DataExchange::formatFloat(95.0f), QString("95"));
    EXPECT_EQ(DataExchange::formatFloat(0.1f), QString("0.1"));
    EXPECT_EQ(DataExchange::formatFloat(99.95f), QString("99.95"));
    EXPECT_EQ(DataExchange::formatFloat(1234567.0f), QString("1.23457e+06"));
}
