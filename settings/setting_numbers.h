// How numbers are kept in the settings file: decimal text with "." as the
// decimal point, read leniently because users edit the file by hand.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sw {

// The decimal parse: skips leading blanks, tabs, carriage returns and line
// feeds, then takes an optional sign, digits, an optional fraction and an
// optional exponent ("E" or "e", optional sign, digits) up to the first
// character that does not fit. Text that does not start with a number reads
// as 0. Magnitudes beyond the range of double read as the largest finite
// value of that sign; ones too small to represent read as 0.
double ParseSettingNumber(std::string_view text);

// The number when the whole text is one, as the parse above reads it, with
// blanks around it allowed; nothing for an empty text or one with anything
// else in it ("abc", "1,5", "2 cm"). For what a user types into a dialog.
std::optional<double> ParseWholeNumberText(std::string_view text);

// Decimal text with at most 15 significant digits: no leading blank, "-" for
// negatives, "." as decimal point, exponent form ("1E+15", "1E-05") only for
// magnitudes that need it. Integers appear as "0", "-1", "12". Values that are
// not finite, which the parse never produces, are written as "0".
std::string FormatSettingNumber(double value);

// Rounding to the nearest integer, halves away from zero, clamped to the range
// of the type so that an absurd value edited into the file cannot overflow.
std::int32_t RoundToInt32(double value);
std::int16_t RoundToInt16(double value);

// A per-printer flag or status (form feed, orientation) as the queries read
// it: the number at the start of its first 79 characters, rounded.
std::int16_t ParseSettingFlag(std::string_view text);

} // namespace sw
