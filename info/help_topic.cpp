#include "info/help_topic.h"

#include "common/path_helpers.h"

namespace sw {

std::string HelpFilePath() {
    char program[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, program, sizeof(program));
    if (length == 0 || length >= sizeof(program))
        return kHelpFileName;
    // Beside the program, so that a start from another folder (Send To, a
    // command line) finds it too.
    const std::string beside = FolderPart(std::string(program, length)) + kHelpFileName;
    return GetFileAttributesA(beside.c_str()) != INVALID_FILE_ATTRIBUTES ? beside : kHelpFileName;
}

void ShowHelpTopic(HWND owner, unsigned context) {
    WinHelpA(owner, HelpFilePath().c_str(), HELP_CONTEXT, context);
}

} // namespace sw
