// The main window's handles and timers: the window itself, its children, and
// the program's instance. Dialogs of other subsystems read the printer list.
#pragma once

#include <windows.h>

#include <string>

namespace sw {

extern HINSTANCE ProgramInstance;
extern HWND MainWindow;
extern HMENU MainMenu;
extern HWND PrinterListBox;
extern HWND StatusBar;
extern HWND ToolBar;
extern HWND UnattendedIndicator;
extern HBITMAP ToolBarBitmap;
// The one-shot timer that looks for the companion after starting it; 0 when none.
extern UINT_PTR CompanionPollTimer;

// The text of the printer selected in PrinterListBox; empty when none is.
std::string SelectedListPrinter();

} // namespace sw
