#include "unattended/state_files.h"

#include "common/handle_guard.h"
#include "common/long_path.h"
#include "unattended/data_files.h"
#include "unattended/printed_files_codec.h"
#include "unattended/state_protection.h"

#include <windows.h>

#include <vector>

namespace sw {
namespace {

// A state file larger than this is not one this program wrote.
constexpr DWORD kLargestStateFile = 64 * 1024 * 1024;

} // namespace

std::string ReadStateText(const std::string& path) {
    const FileHandle file(CreateFileA(path.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size = {};
    if (!file.IsOpen() || !GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0 ||
        size.QuadPart > kLargestStateFile)
        return std::string();
    std::string text(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD got = 0;
    if (!text.empty() &&
        !ReadFile(file.Get(), &text[0], static_cast<DWORD>(text.size()), &got, nullptr))
        return std::string();
    text.resize(got);
    return text;
}

bool IsFileGone(const std::string& path) {
    // Through the wide call: a long path is not gone because the ANSI call
    // cannot reach it.
    const std::wstring wide = SystemPath(path);
    if (wide.empty() || GetFileAttributesW(wide.c_str()) != INVALID_FILE_ATTRIBUTES)
        return false;
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool ReplaceFileText(const std::string& path, const std::string& text) {
    const std::string scratch = path + ".new";
    bool written = false;
    {
        const FileHandle file(CreateFileA(scratch.c_str(),
                                          GENERIC_WRITE | UnattendedFileExtraAccess(), 0, nullptr,
                                          CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD done = 0;
        // The replacement takes the scratch file's permissions with it.
        written =
            file.IsOpen() && ProtectUnattendedFile(file.Get()) &&
            WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &done, nullptr) &&
            done == text.size() && FlushFileBuffers(file.Get());
    }
    if (written && MoveFileExA(scratch.c_str(), path.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    const DWORD error = GetLastError();
    DeleteFileA(scratch.c_str());
    SetLastError(error != 0 ? error : ERROR_WRITE_FAULT);
    return false;
}

bool SavePrintedFiles(const PrintedFiles& files) {
    return ReplaceFileText(PrintedFilesPath(), EncodePrintedFiles(files.Entries()));
}

std::vector<FileEntry> EarlierJournalNotes() {
    return DecodePrintedFiles(ReadStateText(PrintingNotePath())).entries;
}

void ClearPrintingNote() {
    DeleteFileA(PrintingNotePath().c_str());
}

} // namespace sw
