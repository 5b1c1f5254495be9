#include "common/find_word_pad.h"

#include "common/long_path.h"
#include "common/path_helpers.h"
#include "common/word_pad_rules.h"

#include <windows.h>

#include <shellapi.h>

namespace sw {
namespace {

constexpr unsigned kScratchNameAttempts = 100;
constexpr DWORD kProgramPathLimit = 559;

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

// The program the App Paths key names, when the file is there: the user's
// key first, then the machine's (in its 64-bit view too, which a 32-bit
// program on 64-bit Windows does not see by default).
std::string WordPadOfAppPaths() {
    const std::string key(kWordPadAppPathKey);
    const struct {
        HKEY root;
        REGSAM view;
    } places[] = {
        {HKEY_CURRENT_USER, 0}, {HKEY_LOCAL_MACHINE, 0}, {HKEY_LOCAL_MACHINE, KEY_WOW64_64KEY}};
    for (const auto& place : places) {
        HKEY handle = nullptr;
        if (RegOpenKeyExA(place.root, key.c_str(), 0, KEY_QUERY_VALUE | place.view, &handle) !=
            ERROR_SUCCESS)
            continue;
        char value[kProgramPathLimit + 1] = {};
        DWORD size = sizeof(value) - 1;
        DWORD type = 0;
        const LONG read = RegQueryValueExA(handle, nullptr, nullptr, &type,
                                           reinterpret_cast<BYTE*>(value), &size);
        RegCloseKey(handle);
        if (read != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
            continue;
        std::string program = ProgramOfAppPath(value);
        // The value names its folder with %ProgramFiles% and the like.
        char expanded[kProgramPathLimit + 1] = {};
        const DWORD length = ExpandEnvironmentStringsA(program.c_str(), expanded, sizeof(expanded));
        if (length > 0 && length <= sizeof(expanded))
            program = expanded;
        if (IsFile(program))
            return program;
    }
    return std::string();
}

// The program the shell associates with ".wri" documents, or empty.
std::string ProgramOfWriDocuments() {
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

} // namespace

std::string FindWordPad() {
    const std::string fixed(kFixedWordPadPath);
    if (IsFile(fixed))
        return fixed;
    // An association outlives its program (Windows 11 removes WordPad and
    // leaves ".wri" to it): a program whose file is gone prints nothing.
    const std::string associated = ProgramOfWriDocuments();
    if (!associated.empty() && IsFile(associated))
        return associated;
    return WordPadOfAppPaths();
}

} // namespace sw
