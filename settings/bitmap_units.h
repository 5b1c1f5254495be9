// Units of the bitmap placement box. The settings file and the library always
// take inches; the placement dialog shows and accepts centimeters when that
// unit is selected, converting with 2.54 centimeters per inch.
#pragma once

#include <string_view>

namespace sw {

inline constexpr double kCentimetersPerInch = 2.54;

enum class PlacementUnit { Inches, Centimeters };

// The unit of a stored "Inches" value: "0" selects centimeters; anything else,
// including a missing value, selects inches.
PlacementUnit PlacementUnitOf(std::string_view inchesValue);

// The stored "Inches" value for a unit: "-1" for inches, "0" for centimeters.
std::string_view InchesValueOf(PlacementUnit unit);

// True when a stored "UseSaved" value asks for the placement dialog before each
// bitmap print: its number is 0, as it is when the value is missing or is no number.
bool AsksForPlacement(std::string_view useSavedValue);

double InchesToCentimeters(double inches);
double CentimetersToInches(double centimeters);

// A stored measure (inches) as the dialog shows it in the selected unit, and a
// measure typed in the selected unit as it is stored.
double ShownMeasure(double storedInches, PlacementUnit unit);
double StoredMeasure(double shownValue, PlacementUnit unit);

} // namespace sw
