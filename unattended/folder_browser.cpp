#include "unattended/folder_browser.h"

#include <objbase.h>
#include <shlobj.h>

namespace sw {

std::string BrowseForFolder(HWND owner, const std::string& title) {
    // The picker needs COM on this thread; an owner that set it up keeps it.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    char display[MAX_PATH] = {};
    BROWSEINFOA browse = {};
    browse.hwndOwner = owner;
    browse.pidlRoot = nullptr;
    browse.pszDisplayName = display;
    browse.lpszTitle = title.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    std::string chosen;
    if (LPITEMIDLIST items = SHBrowseForFolderA(&browse)) {
        char path[MAX_PATH] = {};
        if (SHGetPathFromIDListA(items, path))
            chosen = path;
        CoTaskMemFree(items);
    }
    if (SUCCEEDED(com))
        CoUninitialize();
    return chosen;
}

} // namespace sw
