// The main window of swutil.exe. For now a plain window with the program's
// menu whose Options commands open the settings dialogs for the program's
// current printer and selected file.
#pragma once

#include <windows.h>

namespace sw {

inline constexpr char kMainWindowClass[] = "SpoolwrightFarreach";

// Registers the window class; false when the system refuses it.
bool RegisterMainWindowClass(HINSTANCE instance);

// Creates the main window with the menu "MAINMENU"; null on failure.
HWND CreateMainWindow(HINSTANCE instance);

} // namespace sw
