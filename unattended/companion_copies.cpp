#include "unattended/companion_copies.h"

#include <windows.h>

namespace sw {
namespace {

constexpr ULONGLONG kCopyLifetime = 24ull * 3600 * 10000000; // a day, in file time ticks

std::string CopiesFolder() {
    char temp[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathA(MAX_PATH + 1, temp);
    return std::string(temp, length > MAX_PATH ? 0 : length) + "Spoolwright remote jobs";
}

ULONGLONG TicksOf(const FILETIME& time) {
    return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

void RemoveFolderOfCopy(const std::string& folder) {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
                DeleteFileA((folder + "\\" + found.cFileName).c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

} // namespace

std::int32_t CopyForCompanion(const std::string& path, const std::string& name, std::string& copy) {
    const std::string root = CopiesFolder();
    CreateDirectoryA(root.c_str(), nullptr);
    // A folder per copy keeps the file's own name; the counter keeps two
    // copies made in the same millisecond apart.
    static unsigned counter = 0;
    std::string folder;
    for (int attempt = 0; attempt < 100; ++attempt) {
        folder = root + "\\" + std::to_string(GetCurrentProcessId()) + "-" +
                 std::to_string(GetTickCount()) + "-" + std::to_string(++counter);
        if (CreateDirectoryA(folder.c_str(), nullptr))
            break;
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            return static_cast<std::int32_t>(GetLastError());
    }
    copy = folder + "\\" + name;
    if (CopyFileA(path.c_str(), copy.c_str(), TRUE))
        return 0;
    const DWORD error = GetLastError();
    RemoveFolderOfCopy(folder);
    return static_cast<std::int32_t>(error != 0 ? error : ERROR_WRITE_FAULT);
}

void RemoveOldCompanionCopies() {
    const std::string root = CopiesFolder();
    FILETIME now = {};
    GetSystemTimeAsFileTime(&now);
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((root + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::string name = found.cFileName;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 || name == "." || name == "..")
            continue;
        if (TicksOf(now) > TicksOf(found.ftCreationTime) + kCopyLifetime)
            RemoveFolderOfCopy(root + "\\" + name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

} // namespace sw
