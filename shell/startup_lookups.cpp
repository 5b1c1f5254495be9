// The start-up's look for a file named on the command line.
#include "shell/startup_lookups.h"

#include "common/long_path.h"

#include <string>

namespace sw {

bool FileExists(std::string_view path) {
    const std::string searched(path);
    if (searched.empty() || searched.find('\0') != std::string::npos)
        return false;
    // A directory search, so that wild cards find files as they always did;
    // through the wide call, which takes a path of any length.
    const std::wstring wide = SystemPath(searched);
    if (wide.empty())
        return false;
    WIN32_FIND_DATAW found = {};
    HANDLE search = FindFirstFileW(wide.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    bool isFile = false;
    do {
        isFile = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    } while (!isFile && FindNextFileW(search, &found));
    FindClose(search);
    return isFile;
}

} // namespace sw
