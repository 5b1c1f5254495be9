// The main window's menu and tool bar commands, one function each.
#pragma once

#include <windows.h>

namespace sw {

void OnCommand(HWND window, int command);

} // namespace sw
