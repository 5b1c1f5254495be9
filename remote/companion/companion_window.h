// The companion's main window "Spoolwright Remote": the remote printers of
// the sites in "SWRemote.txt" with the state of the selected one, the eight
// value fields and the print button that the main program writes into, and
// a log of what was printed or why not. It announces its controls to the
// main program's window whenever one appears (also one that starts after
// the companion).
#pragma once

#include <windows.h>

namespace sw {

bool RegisterCompanionClass(HINSTANCE instance);
HWND CreateCompanionWindow(HINSTANCE instance);

// A second start's part: shows the running companion's window restored and
// in front, waiting up to `waitMs` for it to appear; false when none did.
bool BringRunningCompanionForward(DWORD waitMs);

} // namespace sw
