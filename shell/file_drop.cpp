#include "shell/file_drop.h"

#include "common/long_path.h"
#include "shell/program_state.h"

#include <commctrl.h>

#include <string>

namespace sw {
namespace {

bool IsFolder(const std::string& path) {
    const DWORD attributes = PathAttributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// The dropped path, whole, in the program's code page; empty when there is none.
std::string DroppedPath(HDROP drop, UINT index) {
    const UINT length = DragQueryFileA(drop, index, nullptr, 0);
    if (length == 0)
        return std::string();
    std::string path(length + 1, '\0');
    const UINT copied = DragQueryFileA(drop, index, &path[0], length + 1);
    path.resize(copied <= length ? copied : 0);
    return path;
}

} // namespace

void OnDropFiles(HDROP drop) {
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT index = 0; index < count; ++index) {
        // The path is kept whole: a cut one would name another file.
        const std::string path = DroppedPath(drop, index);
        // A folder, whatever its other attributes, is never a file to print.
        if (path.empty() || IsFolder(path))
            continue;
        Program().SelectedFile = path;
        SendMessageA(Program().StatusBar, SB_SETTEXTA, 0,
                     reinterpret_cast<LPARAM>(Program().SelectedFile.c_str()));
    }
    DragFinish(drop);
}

} // namespace sw
