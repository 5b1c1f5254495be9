#include "shell/help_topic.h"

#include "common/path_helpers.h"
#include "shell/command_line_processing.h"

#include <string>

namespace sw {
namespace {

bool IsFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool HelpFileFound() {
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, MAX_PATH);
    return IsFile(kHelpFileName) ||
           IsFile(AddTrailingBackslash(FolderPart(ProgramPath())) + kHelpFileName) ||
           IsFile(AddTrailingBackslash(windows) + kHelpFileName);
}

} // namespace

void OpenHelpTopic(HWND owner, DWORD context) {
    if (HelpFileFound())
        WinHelpA(owner, kHelpFileName, HELP_CONTEXT, context);
}

} // namespace sw
