// A service prints with more rights than the people who can write into a
// watched folder: a file there must not let them reach what they could not.
// These checks refuse links out of the folder and files with more than one
// name, in the window's scan too, where they cost nothing.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace sw {

// 0 for a plain file of `folder` (as the scan spells it, with a trailing
// backslash), asked of the file's handle, opened without following a link;
// ERROR_CANT_RESOLVE_FILENAME for a link (a reparse point, or a file whose
// real place is outside the folder); ERROR_TOO_MANY_LINKS for a file with
// more than one hard link.
std::int32_t RefusedLink(HANDLE file, const std::string& folder);

// True the first time it is asked about `key` in this program's run: a
// refused file is logged once.
bool FirstRefusal(const std::string& key);

} // namespace sw
