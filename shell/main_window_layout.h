// The main window's children: the tool bar with the unattended indicator,
// the printer list and the status bar, and how they follow the window's size.
#pragma once

#include <windows.h>

namespace sw {

// Creates the tool bar, the printer list (filled), the status bar (with the
// computer's IP address) and the indicator, in this order.
void CreateMainWindowChildren(HWND window);

// Passes the size on to the status bar and the tool bar and, unless the
// window was minimised, fits the printer list to the client area.
void OnSize(WPARAM type, LPARAM size);

// A size given in pixels at 96 dots per inch, in pixels of this screen.
int ScaledForScreen(int pixels);

// Shows SelectedFile in part 0 of the status bar.
void ShowSelectedFile();

// Shows "Unattended" or "No unattended" in the indicator.
void ShowUnattendedState(bool on);

} // namespace sw
