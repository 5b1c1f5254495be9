#include "common/find_word_pad.h"

#include "common/path_helpers.h"
#include "common/word_pad_rules.h"

#include <windows.h>

#include <shellapi.h>

namespace sw {
namespace {

constexpr unsigned kScratchNameAttempts = 100;
constexpr DWORD kProgramPathLimit = 559;

bool IsFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string TempFolder() {
    char folder[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathA(sizeof(folder), folder);
    if (length == 0 || length >= sizeof(folder))
        return std::string();
    return AddTrailingBackslash(std::string(folder, length));
}

// Creates the scratch document under a name no file has yet, so that an
// existing file is never replaced. Empty when it cannot be written.
std::string CreateScratchDocument(const std::string& folder) {
    for (unsigned attempt = 0; attempt < kScratchNameAttempts; ++attempt) {
        const std::string path = folder + ScratchDocumentName(GetCurrentProcessId(), attempt);
        const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            const DWORD error = GetLastError();
            if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS)
                continue;
            return std::string();
        }
        DWORD written = 0;
        const bool complete =
            WriteFile(file, kScratchDocumentContents.data(),
                      static_cast<DWORD>(kScratchDocumentContents.size()), &written, nullptr) &&
            written == kScratchDocumentContents.size();
        CloseHandle(file);
        if (complete)
            return path;
        DeleteFileA(path.c_str());
        return std::string();
    }
    return std::string();
}

} // namespace

std::string FindWordPad() {
    const std::string fixed(kFixedWordPadPath);
    if (IsFile(fixed))
        return fixed;

    const std::string folder = TempFolder();
    if (folder.empty())
        return std::string();
    const std::string scratch = CreateScratchDocument(folder);
    if (scratch.empty())
        return std::string();

    char program[kProgramPathLimit + 1] = {};
    const HINSTANCE found = FindExecutableA(scratch.c_str(), folder.c_str(), program);
    DeleteFileA(scratch.c_str());
    // Results up to 32 are error codes.
    if (reinterpret_cast<INT_PTR>(found) <= 32)
        return std::string();
    return program;
}

} // namespace sw
