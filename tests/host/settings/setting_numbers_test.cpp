#include "settings/printer_queries.h"
#include "settings/setting_numbers.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <string>
#include <utility>

namespace {

TEST(SettingNumbers, ParseStopsAtTheFirstCharacterThatDoesNotFit) {
    const std::pair<const char*, double> cases[] = {
        {"", 0},
        {"3", 3},
        {"  3  ", 3},
        {"\t\n\r-12", -12},
        {"+7", 7},
        {"1.5", 1.5},
        {"-0.25", -0.25},
        {".5", 0.5},
        {"5.", 5},
        {"12abc", 12},
        {"1,5", 1},
        {"1 2", 1},
        {"abc", 0},
        {"N", 0},
        {"-", 0},
        {".", 0},
        {"-.", 0},
        {"--1", 0},
        {"1E+15", 1e15},
        {"2.5e-3", 0.0025},
        {"1E", 1},
        {"1E+", 1},
        {"1e5x", 1e5},
        {"0x10", 0},
        {"\v3", 0},
        {"007", 7},
        {"3.000000000000001", 3.000000000000001},
    };
    for (const auto& [text, value] : cases)
        EXPECT_DOUBLE_EQ(sw::ParseSettingNumber(text), value) << '"' << text << '"';
}

TEST(SettingNumbers, ParseOfMagnitudesBeyondDoubleSaturates) {
    EXPECT_EQ(sw::ParseSettingNumber("1e400"), DBL_MAX);
    EXPECT_EQ(sw::ParseSettingNumber("-1e400"), -DBL_MAX);
    EXPECT_EQ(sw::ParseSettingNumber(std::string(400, '9')), DBL_MAX);
    EXPECT_EQ(sw::ParseSettingNumber("1e-400"), 0.0);
    EXPECT_EQ(sw::ParseSettingNumber("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(sw::ParseSettingNumber("1e99999999999999999999"), DBL_MAX);
    EXPECT_EQ(sw::ParseSettingNumber("0e99999"), 0.0);
}

TEST(SettingNumbers, FormatUsesAtMostFifteenSignificantDigits) {
    const std::pair<double, const char*> cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {1, "1"},
        {-1, "-1"},
        {12, "12"},
        {1.5, "1.5"},
        {-0.25, "-0.25"},
        {0.1, "0.1"},
        {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E+15"},
        {0.0001, "0.0001"},
        {0.00001, "1E-05"},
        {3.81, "3.81"},
        {DBL_MAX, "1.79769313486232E+308"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(sw::FormatSettingNumber(value), text) << value;
}

TEST(SettingNumbers, FormattedNumbersReadBackUnchangedToFifteenDigits) {
    for (double value : {0.0, 1.0, -1.0, 1.5, 2.54, 1e15, -1e-5, 6.02214076e23, 1.0 / 3.0}) {
        const double back = sw::ParseSettingNumber(sw::FormatSettingNumber(value));
        EXPECT_EQ(sw::FormatSettingNumber(back), sw::FormatSettingNumber(value)) << value;
        EXPECT_NEAR(back, value, std::abs(value) * 1e-14) << value;
    }
}

TEST(SettingNumbers, RoundingGoesToTheNearestIntegerAndClamps) {
    EXPECT_EQ(sw::RoundToInt32(2.4), 2);
    EXPECT_EQ(sw::RoundToInt32(2.5), 3);
    EXPECT_EQ(sw::RoundToInt32(-2.5), -3);
    EXPECT_EQ(sw::RoundToInt32(-0.4), 0);
    EXPECT_EQ(sw::RoundToInt32(1e12), INT32_MAX);
    EXPECT_EQ(sw::RoundToInt32(-1e12), INT32_MIN);
    EXPECT_EQ(sw::RoundToInt32(DBL_MAX), INT32_MAX);
    EXPECT_EQ(sw::RoundToInt16(40000), INT16_MAX);
    EXPECT_EQ(sw::RoundToInt16(-40000), INT16_MIN);
    EXPECT_EQ(sw::RoundToInt16(-1), -1);
    EXPECT_EQ(sw::RoundToInt16(std::nan("")), 0);
}

// The form-feed flag and the orientation status as the per-printer queries
// read them from values edited by hand.
TEST(SettingNumbers, FlagsAreTheRoundedNumberOfTheirFirst79Characters) {
    const std::pair<const char*, short> cases[] = {{" 1 ", 1}, {"-1", -1}, {"yes", 0},
                                                   {"2.6", 3}, {"", 0},    {"99999", 32767}};
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(sw::ParseSettingFlag(value), expected) << '"' << value << '"';
    EXPECT_EQ(sw::ParseSettingFlag(std::string(79, ' ') + "5"), 0) << "the 80th character";
}

TEST(SettingNumbers, OrientationStatusIsNoOrientationOnlyWhenEmptyOrN) {
    const std::pair<const char*, short> cases[] = {
        {"1", 1},  {"0", 0},   {"N", sw::kNoOrientation}, {"n", 0},  {"-1", -1},
        {"No", 0}, {"7.4", 7}, {"", sw::kNoOrientation},  {"N ", 0}, {" N", 0}};
    for (const auto& [status, expected] : cases)
        EXPECT_EQ(sw::OrientationFromStatus(status), expected) << '"' << status << '"';
}

} // namespace
