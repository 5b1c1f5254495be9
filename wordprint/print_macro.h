// The keystrokes that type the PrintAndExit macro into the word processor's
// macro editor: open the editor, type the macro, close the editor and the
// program. Sent as separate scripts, in order.
#pragma once

#include <string>
#include <vector>

namespace sw {

inline constexpr char kPrintMacroName[] = "PrintAndExit";

std::vector<std::string> PrintMacroScripts();

} // namespace sw
