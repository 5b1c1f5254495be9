// The handles of the main window that dialogs of other subsystems read: the
// window itself, the program's instance and the printer list.
#pragma once

#include <windows.h>

#include <string>

namespace sw {

extern HINSTANCE ProgramInstance;
extern HWND MainWindow;
extern HWND PrinterListBox;

// The text of the printer selected in PrinterListBox; empty when none is.
std::string SelectedListPrinter();

} // namespace sw
