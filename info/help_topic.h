// Opens the help file "Spoolwright.hlp" in the platform's help viewer.
#pragma once

#include "info/help_contexts.h"

#include <windows.h>

#include <string>

namespace sw {

inline constexpr char kHelpFileName[] = "Spoolwright.hlp";

// The help file beside the program when it is there; otherwise its bare name,
// which the viewer looks for along the platform's search rules.
std::string HelpFilePath();

// The help viewer at the topic of `context` (kHelpContents, kHelpSetUp), when
// the help file is found where the viewer looks for it: beside the program,
// in the current folder or in the Windows folder. Without the file nothing is
// opened: the viewer would otherwise answer with a message box of its own
// that holds up the caller until somebody closes it, a set-up run included.
void ShowHelpTopic(HWND owner, unsigned context);

} // namespace sw
