#include "common/long_path.h"

namespace sw {
namespace {

bool IsDrivePath(const std::wstring& path) {
    return path.size() >= 3 && path[1] == L':' && (path[2] == L'\\' || path[2] == L'/');
}

bool IsNetworkPath(const std::wstring& path) {
    return path.size() >= 2 && (path[0] == L'\\' || path[0] == L'/') &&
           (path[1] == L'\\' || path[1] == L'/') && path.compare(0, 4, L"\\\\?\\") != 0;
}

// "." and ".." resolved and "/" made "\", as the "\\?\" form needs them.
std::wstring FullPath(const std::wstring& path) {
    const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0)
        return path;
    std::wstring full(needed, L'\0');
    const DWORD length = GetFullPathNameW(path.c_str(), needed, &full[0], nullptr);
    if (length == 0 || length >= needed)
        return path;
    full.resize(length);
    return full;
}

} // namespace

std::wstring WideText(const std::string& text) {
    if (text.empty())
        return std::wstring();
    const int length =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (length <= 0)
        return std::wstring();
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
    return wide;
}

std::string CodePageText(const std::wstring& text) {
    if (text.empty())
        return std::string();
    const int length = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return std::string();
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &bytes[0], length,
                        nullptr, nullptr);
    return bytes;
}

bool FitsSystemPathLimit(const std::string& path) {
    const std::wstring wide = WideText(path);
    return !wide.empty() && wide.size() <= kLongestSystemPath;
}

std::wstring SystemPath(const std::string& path) {
    if (!FitsSystemPathLimit(path))
        return std::wstring();
    const std::wstring wide = WideText(path);
    if (wide.size() < MAX_PATH)
        return wide;
    if (IsDrivePath(wide))
        return L"\\\\?\\" + FullPath(wide);
    if (IsNetworkPath(wide))
        return L"\\\\?\\UNC\\" + FullPath(wide).substr(2);
    return wide;
}

HANDLE OpenForReading(const std::string& path, DWORD flags) {
    const std::wstring wide = SystemPath(path);
    if (wide.empty()) {
        SetLastError(path.empty() ? ERROR_FILE_NOT_FOUND : ERROR_FILENAME_EXCED_RANGE);
        return INVALID_HANDLE_VALUE;
    }
    return CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, flags,
                       nullptr);
}

DWORD PathAttributes(const std::string& path) {
    const std::wstring wide = SystemPath(path);
    return wide.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(wide.c_str());
}

bool IsFile(const std::string& path) {
    const DWORD attributes = PathAttributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

} // namespace sw
