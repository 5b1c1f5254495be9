#include "settings/bitmap_units.h"

#include "settings/setting_numbers.h"

namespace sw {

PlacementUnit PlacementUnitOf(std::string_view inchesValue) {
    // A missing value means inches; a stored number selects centimeters only
    // when it is 0 after rounding.
    if (inchesValue.empty())
        return PlacementUnit::Inches;
    return RoundToInt32(ParseSettingNumber(inchesValue)) == 0 ? PlacementUnit::Centimeters
                                                              : PlacementUnit::Inches;
}

std::string_view InchesValueOf(PlacementUnit unit) {
    return unit == PlacementUnit::Centimeters ? "0" : "-1";
}

bool AsksForPlacement(std::string_view useSavedValue) {
    return ParseSettingNumber(useSavedValue) == 0;
}

double InchesToCentimeters(double inches) {
    return inches * kCentimetersPerInch;
}

double CentimetersToInches(double centimeters) {
    return centimeters / kCentimetersPerInch;
}

double ShownMeasure(double storedInches, PlacementUnit unit) {
    return unit == PlacementUnit::Centimeters ? InchesToCentimeters(storedInches) : storedInches;
}

double StoredMeasure(double shownValue, PlacementUnit unit) {
    return unit == PlacementUnit::Centimeters ? CentimetersToInches(shownValue) : shownValue;
}

} // namespace sw
