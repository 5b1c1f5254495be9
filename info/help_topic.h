// Opens the help at a topic: the help file "Spoolwright.hlp" in the
// platform's WinHelp viewer where there is one, else the matching page of
// the help's HTML edition in the default browser. Windows Vista and later
// ship no viewer: the "winhlp32.exe" they keep only says so.
#pragma once

#include "info/help_contexts.h"

#include <windows.h>

#include <string>

namespace sw {

inline constexpr char kHelpFileName[] = "Spoolwright.hlp";

// The help file beside the program when it is there; otherwise its bare name,
// which the viewer looks for along the platform's search rules.
std::string HelpFilePath();

// The page of the HTML edition for `context` (kHelpContents, kHelpSetUp),
// in the folder beside the program; empty for a context without a page.
std::string HelpPagePath(unsigned context);

// True when the Windows folder holds a WinHelp viewer that shows help files,
// not the stand-in of systems without one.
bool HasWinHelpViewer();

// The topic of `context`: with a WinHelp viewer, in the viewer, when the help
// file is found where the viewer looks for it (beside the program, in the
// current folder or in the Windows folder); without one, the HTML page in
// the default browser, when it is there. Without either nothing is opened:
// the viewer would otherwise answer with a message box of its own that holds
// up the caller until somebody closes it, a set-up run included.
void ShowHelpTopic(HWND owner, unsigned context);

} // namespace sw
