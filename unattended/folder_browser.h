// The shell's folder picker.
#pragma once

#include <windows.h>

#include <string>

namespace sw {

// Lets the user choose a file-system folder, from the top of the shell's
// namespace; returns its path, or the empty text when the user cancels.
std::string BrowseForFolder(HWND owner, const std::string& title);

} // namespace sw
