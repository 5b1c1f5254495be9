// Opens the help file "Spoolwright.hlp" in the platform's help viewer.
#pragma once

#include <windows.h>

#include <string>

namespace sw {

inline constexpr char kHelpFileName[] = "Spoolwright.hlp";

// The help file beside the program when it is there; otherwise its bare name,
// which the viewer looks for along the platform's search rules.
std::string HelpFilePath();

// The help viewer at the topic of `context` (kHelpContents, kHelpSetUp). A
// missing file is reported by the viewer itself.
void ShowHelpTopic(HWND owner, unsigned context);

} // namespace sw
