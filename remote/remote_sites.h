// The remote sites list of swutil.exe: the file "SWRemote.txt" in the
// Windows folder, read into a combo box and changed one entry at a time.
// Errors are not reported; a missing file is an empty list.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace sw {

// WinPath() + "SWRemote.txt", composed anew at every call.
std::string RemoteSitesFile();

// Empties the combo box's list and adds every entry of the file, in file order.
void LoadRemoteSites(HWND comboBox);

// Appends the trimmed site and rewrites the file.
void AddRemoteSite(std::string_view site);

// Rewrites the file without every entry equal to the trimmed site (case-sensitive).
void RemoveRemoteSite(std::string_view site);

} // namespace sw
