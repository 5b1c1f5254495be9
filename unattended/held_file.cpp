// The shell takes a file by its name only: between the moment the file held
// is let go and the shell's own open, the name could still be given to
// another file. What can be checked is checked right before: the name names
// a plain file of the folder, and the very file held (same file index).
#include "unattended/held_file.h"

#include "common/handle_guard.h"
#include "common/long_path.h"
#include "unattended/file_links.h"

namespace sw {
namespace {

HANDLE OpenByName(const std::string& path, DWORD access, DWORD share) {
    const std::wstring wide = SystemPath(path);
    if (wide.empty()) {
        SetLastError(path.empty() ? ERROR_FILE_NOT_FOUND : ERROR_FILENAME_EXCED_RANGE);
        return INVALID_HANDLE_VALUE;
    }
    return CreateFileW(wide.c_str(), access, share, nullptr, OPEN_EXISTING,
                       FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
}

} // namespace

HeldFile::HeldFile(const std::string& path) {
    // Readers are let in (the print opens the file by its name to read it);
    // writers, deleters and renamers are refused.
    file_ = OpenByName(path, GENERIC_READ, FILE_SHARE_READ);
    if (!IsOpen())
        error_ = GetLastError() != 0 ? GetLastError() : ERROR_OPEN_FAILED;
}

void HeldFile::Close() {
    if (IsOpen())
        CloseHandle(file_);
    file_ = INVALID_HANDLE_VALUE;
}

std::int32_t HeldFile::Refusal(const std::wstring& realFolder) const {
    return IsOpen() ? RefusedLink(file_, realFolder) : 0;
}

bool HeldFile::Is(const FileVersion& version) const {
    LARGE_INTEGER size = {};
    FILETIME lastWrite = {};
    if (!IsOpen() || !GetFileSizeEx(file_, &size) ||
        !GetFileTime(file_, nullptr, nullptr, &lastWrite))
        return false;
    const FileVersion held{static_cast<std::uint64_t>(size.QuadPart),
                           (static_cast<std::uint64_t>(lastWrite.dwHighDateTime) << 32) |
                               lastWrite.dwLowDateTime};
    return held == version;
}

std::int32_t HeldFile::LetGoForMove(const std::string& path, const std::wstring& realFolder) {
    if (!IsOpen())
        return static_cast<std::int32_t>(error_);
    {
        // Asks for no access that the hold refuses, so it opens while held.
        const FileHandle byName(OpenByName(path, FILE_READ_ATTRIBUTES,
                                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE));
        if (!byName.IsOpen())
            return static_cast<std::int32_t>(GetLastError() != 0 ? GetLastError()
                                                                 : ERROR_FILE_NOT_FOUND);
        // The name's file is a plain one of the folder, and the very file held.
        if (const std::int32_t refused = RefusedLink(byName.Get(), realFolder))
            return refused;
        if (!IsSameFile(file_, byName.Get()))
            return ERROR_FILE_INVALID;
    }
    Close();
    return 0;
}

} // namespace sw
