// The companion's controls as it announced them, one window handle per
// registered message in the order of `CompanionField`; 0 for a control not
// announced yet. The program keeps them; the remote route writes into them.
#pragma once

#include "remote/companion_protocol.h"

#include <windows.h>

#include <array>

namespace sw {

using CompanionControls = std::array<HWND, kCompanionFieldCount>;

} // namespace sw
