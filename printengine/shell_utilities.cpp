// Where the shell's special folders are, and shortcuts made through the
// shell's recent documents: adding a file to them makes the shell write a
// shortcut to it in the Recent folder, which is then moved where the caller
// wants it.
#include "printengine/ole_string.h"
#include "printengine/export_arguments.h"
#include "printengine/shell_api.h"
#include "printengine/shortcut_name.h"
#include "printengine/swprint.h"

#include <objbase.h>
#include <shlobj.h>

#include <string>

namespace {

constexpr DWORD kShortcutWaitMs = 3000;
constexpr DWORD kPollIntervalMs = 10;

// The file-system path of a special folder; false when the shell does not
// know the folder or it has no path (a virtual folder).
bool SpecialFolderPath(HWND owner, int folder, std::string& path) {
    LPITEMIDLIST item = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(owner, folder, &item)) || item == nullptr)
        return false;
    char buffer[MAX_PATH] = {};
    const BOOL found = SHGetPathFromIDListA(item, buffer);
    CoTaskMemFree(item);
    if (!found)
        return false;
    path = buffer;
    return true;
}

// Polls for a file for up to `timeoutMs`, giving up the processor between
// polls. Elapsed time comes from the tick count, which (unlike the time of
// day) does not jump back at midnight.
bool WaitForFile(const std::string& path, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES)
            return true;
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(kPollIntervalMs);
    }
}

} // namespace

extern "C" BSTR WINAPI strWhereFolder(const LONG* folder) {
    std::string path;
    if (folder == nullptr || !SpecialFolderPath(nullptr, static_cast<int>(*folder), path))
        path.clear();
    return sw::OleStringFromAnsi(path);
}

extern "C" LONG WINAPI CreateShortcut(const HWND* owner, LPCSTR target, LPCSTR name,
                                      const LONG* folder) {
    const std::string targetPath = sw::BoundedText(target, sw::kShortcutArgumentLimit);
    const std::string shortcutName = sw::BoundedText(name, sw::kShortcutArgumentLimit);
    // An empty path would ask the shell to clear the recent documents.
    if (folder == nullptr || targetPath.empty())
        return 0;
    const HWND ownerWindow = owner != nullptr ? *owner : nullptr;
    std::string destination, recent;
    if (!SpecialFolderPath(ownerWindow, static_cast<int>(*folder), destination) ||
        !SpecialFolderPath(ownerWindow, CSIDL_RECENT, recent))
        return 0;

    // The shell writes the shortcut with its COM objects; a thread of a caller
    // that never initialised COM gets it for the call.
    const HRESULT com = CoInitialize(nullptr);
    sw::Shell().addToRecentDocs(SHARD_PATHA, targetPath.c_str());
    if (SUCCEEDED(com))
        CoUninitialize();
    if (*folder == CSIDL_RECENT)
        return -1;

    const std::string recentShortcut = sw::RecentShortcutPath(recent, targetPath);
    if (!WaitForFile(recentShortcut, kShortcutWaitMs))
        return 0;
    const BOOL copied =
        CopyFileA(recentShortcut.c_str(),
                  sw::DestinationShortcutPath(destination, shortcutName).c_str(), FALSE);
    DeleteFileA(recentShortcut.c_str());
    // A copy that failed made no shortcut where the caller wanted it: that is
    // reported, not passed off as success.
    return copied ? -1 : 0;
}
