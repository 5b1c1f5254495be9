// Which Windows family runs, and where the Windows directory is. Both ask the
// system at every call; nothing is cached.
#include "common/path_helpers.h"
#include "printengine/ole_string.h"
#include "printengine/swprint.h"

extern "C" SHORT WINAPI IsWindowsNT(void) {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    if (!GetVersionExA(&version))
        return 0;
    return version.dwPlatformId == VER_PLATFORM_WIN32_NT ? -1 : 0;
}

extern "C" BSTR WINAPI WinPath(void) {
    // 145 characters, so the result holds at most 144 before the backslash.
    char folder[145] = {};
    const UINT length = GetWindowsDirectoryA(folder, sizeof(folder));
    const std::string path = length < sizeof(folder) ? std::string(folder, length) : std::string();
    return sw::OleStringFromAnsi(sw::AddTrailingBackslash(path));
}
