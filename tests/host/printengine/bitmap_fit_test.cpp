#include "printengine/bitmap_fit.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <utility>

namespace {

using sw::DeviceBox;

TEST(RoundHalfToEven, SendsExactHalvesToTheEvenNeighbour) {
    const std::pair<double, int> cases[] = {
        {0.5, 0},  {1.5, 2},  {2.5, 2},    {3.5, 4}, {-0.5, 0}, {-1.5, -2},     {-2.5, -2},
        {2.49, 2}, {2.51, 3}, {-2.51, -3}, {7.0, 7}, {0.0, 0},  {1199.5, 1200}, {1200.5, 1200},
    };
    for (const auto& [value, rounded] : cases)
        EXPECT_EQ(sw::RoundHalfToEven(value), rounded) << "value " << value;
}

TEST(RoundHalfToEven, KeepsOutOfRangeValuesInsideInt) {
    EXPECT_EQ(sw::RoundHalfToEven(1e300), std::numeric_limits<int>::max());
    EXPECT_EQ(sw::RoundHalfToEven(-1e300), std::numeric_limits<int>::min());
    EXPECT_EQ(sw::RoundHalfToEven(std::numeric_limits<double>::infinity()),
              std::numeric_limits<int>::max());
    EXPECT_EQ(sw::RoundHalfToEven(std::nan("")), 0);
}

TEST(DeviceBoxFromInches, ScalesEachAxisByItsOwnResolution) {
    EXPECT_EQ(sw::DeviceBoxFromInches(0.5, 0.5, 4, 4, 600, 600), (DeviceBox{300, 300, 2400, 2400}));
    EXPECT_EQ(sw::DeviceBoxFromInches(1, 2, 3, 4, 300, 600), (DeviceBox{300, 1200, 900, 2400}));
    // 0.25 inch at 6 and 10 dpi: 1.5 and 2.5 pixels, both exact halves.
    EXPECT_EQ(sw::DeviceBoxFromInches(0.25, 0.25, 0.25, 0.25, 6, 10), (DeviceBox{2, 2, 2, 2}));
    EXPECT_EQ(sw::DeviceBoxFromInches(0, 0, 0, 0, 300, 300), (DeviceBox{0, 0, 0, 0}));
}

struct FitCase {
    const char* what;
    DeviceBox box;
    int bitmapWidth;
    int bitmapHeight;
    DeviceBox fitted;
};

const FitCase kFitCases[] = {
    {"200 x 100 in 4 x 4 inches at 300 dpi", {0, 0, 1200, 1200}, 200, 100, {0, 0, 1200, 600}},
    {"100 x 200 in 4 x 4 inches at 300 dpi", {0, 0, 1200, 1200}, 100, 200, {0, 0, 600, 1200}},
    {"fitting keeps the anchor", {300, 150, 1200, 1200}, 200, 100, {300, 150, 1200, 600}},
    {"equal proportions keep the box", {0, 0, 400, 200}, 200, 100, {0, 0, 400, 200}},
    {"wider bitmap, height 2.5 rounds down", {0, 0, 10, 10}, 4, 1, {0, 0, 10, 2}},
    {"wider bitmap, height 7.5 rounds up", {0, 0, 10, 10}, 4, 3, {0, 0, 10, 8}},
    {"taller bitmap, width 2.5 rounds down", {0, 0, 10, 10}, 1, 4, {0, 0, 2, 10}},
    {"taller bitmap, width 7.5 rounds up", {0, 0, 10, 10}, 3, 4, {0, 0, 8, 10}},
    {"box of zero width", {5, 5, 0, 1200}, 200, 100, {5, 5, 0, 0}},
    {"box of zero height", {5, 5, 1200, 0}, 200, 100, {5, 5, 0, 0}},
    {"box of zero size", {5, 5, 0, 0}, 100, 100, {5, 5, 0, 0}},
    {"box of negative width", {5, 5, -100, 100}, 100, 100, {5, 5, 0, 0}},
    {"bitmap without area", {0, 0, 100, 100}, 0, 100, {0, 0, 0, 0}},
    {"large sizes", {0, 0, 2000000000, 1000000000}, 40000, 20000, {0, 0, 2000000000, 1000000000}},
};

TEST(FitBitmapToBox, KeepsTheBitmapProportions) {
    for (const FitCase& c : kFitCases)
        EXPECT_EQ(sw::FitBitmapToBox(c.box, c.bitmapWidth, c.bitmapHeight), c.fitted) << c.what;
}

TEST(LandsOnPage, NeedsAnAreaThatOverlapsThePage) {
    const std::pair<DeviceBox, bool> cases[] = {
        {{2540, 3290, 10, 10}, true}, {{-10, -10, 11, 11}, true},        {{0, 0, 0, 10}, false},
        {{0, 0, 10, 0}, false},       {{2550, 0, 10, 10}, false},        {{0, 3300, 10, 10}, false},
        {{-10, 0, 10, 10}, false},    {{INT_MAX, 0, INT_MAX, 1}, false},
    };
    for (const auto& [box, lands] : cases)
        EXPECT_EQ(sw::LandsOnPage(box, 2550, 3300), lands) << box.x << "," << box.y;
}

TEST(DibPixelBytes, PadsEveryRowToFourBytes) {
    const struct {
        int width, height, bits;
        std::uint32_t bytes;
    } cases[] = {
        {1, 1, 1, 4},   {32, 1, 1, 4},  {33, 1, 1, 8},         {3, 2, 8, 8},         {3, 2, 24, 24},
        {4, 2, 24, 24}, {5, 1, 24, 16}, {200, 100, 32, 80000}, {100, 200, 4, 10400},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sw::DibPixelBytes(c.width, c.height, c.bits), c.bytes)
            << c.width << " x " << c.height << " at " << c.bits << " bits";
}

TEST(DibPixelBytes, RefusesEmptyAndOversizedBitmaps) {
    EXPECT_FALSE(sw::DibPixelBytes(0, 10, 24));
    EXPECT_FALSE(sw::DibPixelBytes(10, 0, 24));
    EXPECT_FALSE(sw::DibPixelBytes(10, -3, 24));
    EXPECT_FALSE(sw::DibPixelBytes(100000, 100000, 32));
    EXPECT_FALSE(sw::DibPixelBytes(std::numeric_limits<int>::max(), 1, 32));
}

} // namespace
