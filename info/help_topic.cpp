#include "info/help_topic.h"

#include "common/path_helpers.h"
#include "common/program_folder.h"

namespace sw {
namespace {

bool IsFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// Where the viewer finds a help file given by its bare name.
bool IsInViewersFolders(const char* name) {
    char windows[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryA(windows, MAX_PATH);
    return IsFile(name) ||
           (length > 0 && length < MAX_PATH && IsFile(AddTrailingBackslash(windows) + name));
}

} // namespace

std::string HelpFilePath() {
    // Beside the program, so that a start from another folder (Send To, a
    // command line) finds it too.
    const std::string folder = ProgramFolder();
    const std::string beside = folder + kHelpFileName;
    return !folder.empty() && IsFile(beside) ? beside : kHelpFileName;
}

void ShowHelpTopic(HWND owner, unsigned context) {
    const std::string path = HelpFilePath();
    if (path == kHelpFileName && !IsInViewersFolders(kHelpFileName))
        return;
    WinHelpA(owner, path.c_str(), HELP_CONTEXT, context);
}

} // namespace sw
