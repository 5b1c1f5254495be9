// The About box "ABOUT": the program's name, version and maker, with buttons
// for the system information tool and the maker's order page.
#pragma once

#include <windows.h>

namespace sw {

void ShowAboutBox(HWND owner);

// The same, with the box's result: 1 when closed with Enter (OK), 0 with
// Escape or the close box.
INT_PTR RunAboutBox(HWND owner);

} // namespace sw
