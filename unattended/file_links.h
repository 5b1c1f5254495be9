// A service prints with more rights than the people who can write into a
// watched folder: a file there must not let them reach what they could not.
// These checks refuse links out of the folder and files with more than one
// name, in the window's scan too, where they cost nothing.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace sw {

// Where `folder` really is, links resolved, in upper case and without a
// trailing backslash: what RefusedLink holds a file's real place against,
// asked once per scan. Empty when the system cannot tell.
std::wstring RealFolderPath(const std::string& folder);

// 0 for a plain file of the folder whose real path is `realFolder`
// (RealFolderPath), asked of the file's handle, opened without following a
// link; ERROR_CANT_RESOLVE_FILENAME for a link (a reparse point, or a file
// whose real place is outside the folder); ERROR_TOO_MANY_LINKS for a file
// with more than one hard link.
std::int32_t RefusedLink(HANDLE file, const std::wstring& realFolder);

// True when both handles are of the same file of one volume (the caller
// knows the volume is the same: both lie in the same real folder).
bool IsSameFile(HANDLE one, HANDLE other);

// True the first time it is asked about `key` in this program's run: a
// refused file is logged once.
bool FirstRefusal(const std::string& key);

} // namespace sw
