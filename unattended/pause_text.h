// What the main window's unattended indicator says while unattended printing
// is paused because it cannot write its records.
#pragma once

#include <cstdint>
#include <string>

namespace sw {

// "Unattended printing: paused, the disk is full (112)" for a full disk,
// "Unattended printing: paused, its records cannot be written (5)" for any
// other code.
std::string PausedIndicatorText(std::uint32_t error);

} // namespace sw
