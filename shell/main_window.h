// The main window of swutil.exe: the tool bar, the printer list and the
// status bar; its window procedure receives the companion's announcements,
// the commands, dropped files and a command line handed over by a second
// start of the program.
#pragma once

#include <windows.h>

namespace sw {

inline constexpr char kMainWindowClass[] = "SpoolwrightFarreach";

// WM_COPYDATA's dwData for a command line handed over by a second start.
inline constexpr ULONG_PTR kCommandLineCopyData = 0x53574331; // "SWC1"

// Registers the window class; false when the system refuses it.
bool RegisterMainWindowClass(HINSTANCE instance);

// The menu "MAINMENU" with the program's three additions to the Printer
// menu: "Spoolwright Remote", "Download Printer Driver" and "Add New Printer".
HMENU LoadMainMenu(HINSTANCE instance);

// Creates the main window with `menu`, which it then owns; null on failure.
HWND CreateMainWindow(HINSTANCE instance, HMENU menu);

} // namespace sw
