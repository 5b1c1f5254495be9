// Which measures the bitmap placement dialog takes, on a letter page.
#include "settings/placement_check.h"

#include <gtest/gtest.h>

namespace {

TEST(PlacementCheck, RefusedMeasuresKeepTheirStoredValue) {
    using P = sw::MeasureProblem;
    const auto N = P::None, X = P::NotANumber, M = P::Negative, B = P::BeyondPage;
    const auto in = sw::PlacementUnit::Inches, cm = sw::PlacementUnit::Centimeters;
    const std::optional<sw::PageSize> letter = sw::PageSize{8.5, 11}, none;
    const struct {
        std::array<std::string, 4> typed;
        sw::PlacementUnit unit;
        std::optional<sw::PageSize> page;
        std::array<P, 4> problems;
        sw::PlacementMeasures box;
    } cases[] = {
        {{"0.5", "1.5", "4", "6"}, in, letter, {N, N, N, N}, {0.5, 1.5, 4, 6}},
        {{"abc", "-5", "1e9", ""}, in, letter, {X, M, B, X}, {1, 2, 3, 4}},
        {{"0", "0", "21.59", "27.94"}, cm, letter, {N, N, N, N}, {0, 0, 8.5, 11}}, // exactly
        {{"4", "10", "5", "2"}, in, letter, {N, N, B, B}, {4, 10, 3, 4}}, // right of, below
        {{"9", "0", "7", "0"}, in, letter, {B, N, N, N}, {1, 0, 7, 0}},   // from the stored left
        {{"1e9", "-1", "x", "2"}, in, none, {N, M, X, N}, {1e9, 2, 3, 2}},
    };
    for (const auto& c : cases) {
        const sw::PlacementCheck check =
            sw::CheckTypedPlacement(c.typed, c.unit, {1, 2, 3, 4}, c.page);
        EXPECT_EQ(check.problems, c.problems) << c.typed[0] << " " << c.typed[2];
        EXPECT_EQ(check.box, c.box) << c.typed[0] << " " << c.typed[2];
    }
    EXPECT_EQ(sw::CheckTypedPlacement({"2", "0", "7", "1"}, in, {}, letter).largest[2], 6.5);
}

} // namespace
