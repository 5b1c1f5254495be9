#include "shell/window_state.h"

#include "shell/control_helpers.h"

namespace sw {

HINSTANCE ProgramInstance = nullptr;
HWND MainWindow = nullptr;
HMENU MainMenu = nullptr;
HWND PrinterListBox = nullptr;
HWND StatusBar = nullptr;
HWND ToolBar = nullptr;
HWND UnattendedIndicator = nullptr;
HBITMAP ToolBarBitmap = nullptr;
UINT_PTR CompanionPollTimer = 0;

std::string SelectedListPrinter() {
    return ListBoxText(PrinterListBox, -1);
}

} // namespace sw
