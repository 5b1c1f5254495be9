// The texts a remote print writes into the companion's controls. Portable,
// so that every byte the companion is sent is unit-tested and fuzzed.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sw {

// True when the companion is sent the bitmap placement for this file: the
// extension is BMP or DOC.
bool SendsBitmapPlacement(std::string_view file);

// "-1" when automatic form feed is on, "0" when off.
std::string AutoFormfeedText(std::int16_t setting);

// The number of copies in decimal; a count below 1 is sent as 1.
std::string CopiesText(std::int32_t copies);

// Empty for a printer without orientation handling (-9); otherwise the code
// in decimal, "|", the landscape sequence, "|", the portrait sequence.
std::string OrientationText(std::int16_t code, std::string_view landscape,
                            std::string_view portrait);

// A placement measure in decimal, shortest form that reads back the same
// value, no leading space: 1.5 is "1.5", 2 is "2", 0.25 is "0.25".
std::string MeasureText(double value);

} // namespace sw
