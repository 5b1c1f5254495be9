// The About box "ABOUT": the program's name, version and maker, with buttons
// for the system information tool and the maker's order page.
#pragma once

#include "remote/dial_up.h"

#include <windows.h>

namespace sw {

// Its order button dials through `dialUp` when no connection is active.
void ShowAboutBox(HWND owner, DialUpState& dialUp);

// The same, with the box's result: 1 when closed with Enter (OK), 0 with
// Escape or the close box.
INT_PTR RunAboutBox(HWND owner, DialUpState& dialUp);

} // namespace sw
