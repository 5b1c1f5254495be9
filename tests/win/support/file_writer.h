// Writes a file in one call, for the tests and the stand-in programs alike
// (it needs nothing but the platform).
#pragma once

#include <windows.h>

#include <string>

namespace swtest {

// Replaces the file at `path` with `bytes`, or adds them at its end when
// `append`; false when it cannot be opened or written whole.
inline bool WriteToFile(const std::string& path, const std::string& bytes, bool append = false) {
    HANDLE file = CreateFileA(path.c_str(), append ? FILE_APPEND_DATA : GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              append ? OPEN_ALWAYS : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const BOOL ok =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

} // namespace swtest
