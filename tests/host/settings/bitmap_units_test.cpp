#include "settings/bitmap_units.h"

#include <gtest/gtest.h>

namespace {

using sw::PlacementUnit;

TEST(BitmapUnits, OnlyAStoredZeroSelectsCentimeters) {
    EXPECT_EQ(sw::PlacementUnitOf(""), PlacementUnit::Inches);
    EXPECT_EQ(sw::PlacementUnitOf("-1"), PlacementUnit::Inches);
    EXPECT_EQ(sw::PlacementUnitOf("1"), PlacementUnit::Inches);
    EXPECT_EQ(sw::PlacementUnitOf("0"), PlacementUnit::Centimeters);
    EXPECT_EQ(sw::PlacementUnitOf("0.3"), PlacementUnit::Centimeters);
    EXPECT_EQ(sw::PlacementUnitOf("abc"), PlacementUnit::Centimeters);
    EXPECT_EQ(sw::InchesValueOf(PlacementUnit::Inches), "-1");
    EXPECT_EQ(sw::InchesValueOf(PlacementUnit::Centimeters), "0");
}

TEST(BitmapUnits, TheDialogAsksUnlessUseSavedIsNonZero) {
    EXPECT_TRUE(sw::AsksForPlacement(""));
    EXPECT_TRUE(sw::AsksForPlacement("0"));
    EXPECT_TRUE(sw::AsksForPlacement("no"));
    EXPECT_FALSE(sw::AsksForPlacement("-1"));
    EXPECT_FALSE(sw::AsksForPlacement("1"));
}

TEST(BitmapUnits, CentimetersAreInchesTimesTwoPointFiveFour) {
    EXPECT_DOUBLE_EQ(sw::InchesToCentimeters(1), 2.54);
    EXPECT_DOUBLE_EQ(sw::InchesToCentimeters(1.5), 3.81);
    EXPECT_DOUBLE_EQ(sw::CentimetersToInches(2.54), 1);
    EXPECT_DOUBLE_EQ(sw::CentimetersToInches(-5.08), -2);
    EXPECT_DOUBLE_EQ(sw::ShownMeasure(4, PlacementUnit::Inches), 4);
    EXPECT_DOUBLE_EQ(sw::ShownMeasure(4, PlacementUnit::Centimeters), 10.16);
    EXPECT_DOUBLE_EQ(sw::StoredMeasure(10.16, PlacementUnit::Centimeters), 4);
    EXPECT_DOUBLE_EQ(sw::StoredMeasure(10.16, PlacementUnit::Inches), 10.16);
    for (double inches : {0.0, 0.1, 1.0, 6.0, 8.27, -3.5})
        EXPECT_DOUBLE_EQ(sw::StoredMeasure(sw::ShownMeasure(inches, PlacementUnit::Centimeters),
                                           PlacementUnit::Centimeters),
                         inches);
}

} // namespace
