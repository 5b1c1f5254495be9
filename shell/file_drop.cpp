#include "shell/file_drop.h"

#include "common/program_state.h"

#include <commctrl.h>

namespace sw {
namespace {

bool IsFolder(const char* path) {
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

} // namespace

void OnDropFiles(HDROP drop) {
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT index = 0; index < count; ++index) {
        // A path longer than the program keeps would name another file once cut.
        const UINT length = DragQueryFileA(drop, index, nullptr, 0);
        char path[kStateTextLimit + 1] = {};
        if (length == 0 || length > kStateTextLimit ||
            DragQueryFileA(drop, index, path, sizeof(path)) == 0)
            continue;
        // A folder, whatever its other attributes, is never a file to print.
        if (IsFolder(path))
            continue;
        Program().SelectedFile = path;
        SendMessageA(Program().StatusBar, SB_SETTEXTA, 0,
                     reinterpret_cast<LPARAM>(Program().SelectedFile.c_str()));
    }
    DragFinish(drop);
}

} // namespace sw
