// The program's help file "Spoolwright.hlp" at a topic.
#pragma once

#include <windows.h>

namespace sw {

inline constexpr char kHelpFileName[] = "Spoolwright.hlp";

// Opens the help viewer at the topic with this context number when the help
// file is found where the viewer looks for it (the current folder, the
// program's folder, the Windows folder). Without the file nothing is opened:
// the viewer would otherwise answer with a message box of its own that holds
// up the caller until somebody closes it, a set-up run included.
void OpenHelpTopic(HWND owner, DWORD context);

} // namespace sw
