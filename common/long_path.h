// Paths of any length, in the process's code page (UTF-8 in the programs), as
// the system's wide file calls take them. The ANSI file calls stop at 259
// characters unless the system has long paths switched on; the wide calls
// reach 32767 characters through the "\\?\" form everywhere on the NT family.
#pragma once

#include <windows.h>

#include <string>

namespace sw {

// The longest path the system's file calls take, in UTF-16 units.
inline constexpr std::size_t kLongestSystemPath = 32767;

// The path in UTF-16; an absolute path of MAX_PATH characters or more gets
// the "\\?\" (or "\\?\UNC\") form, after "." and ".." are resolved, which
// that form no longer does. Empty for a path that the code page cannot
// convert or that is longer than the system takes.
std::wstring SystemPath(const std::string& path);

// True when the system's file calls can take the path: not empty and, in
// UTF-16, at most kLongestSystemPath units.
bool FitsSystemPathLimit(const std::string& path);

// The file opened for reading, shared for reading (INVALID_HANDLE_VALUE and
// the system's error when it cannot be opened; ERROR_FILENAME_EXCED_RANGE for
// a path longer than the system takes).
HANDLE OpenForReading(const std::string& path, DWORD flags = FILE_ATTRIBUTE_NORMAL);

// The file's attributes, or INVALID_FILE_ATTRIBUTES.
DWORD PathAttributes(const std::string& path);

// True when the path names a file (not a folder).
bool IsFile(const std::string& path);

// Text between the process's code page and UTF-16.
std::wstring WideText(const std::string& text);
std::string CodePageText(const std::wstring& text);

} // namespace sw
