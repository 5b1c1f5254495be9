// The companion's main window "Spoolwright Remote": the remote printers of
// the sites in "SWRemote.txt", the eight value fields and the print button
// that the main program writes into, and a log of what was printed or why
// not. It announces its controls to the main program's window whenever one
// appears (also one that starts after the companion).
#pragma once

#include <windows.h>

namespace sw {

bool RegisterCompanionClass(HINSTANCE instance);
HWND CreateCompanionWindow(HINSTANCE instance);

} // namespace sw
