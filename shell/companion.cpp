#include "shell/companion.h"

#include "common/path_helpers.h"
#include "resources/resource.h"

#include <shellapi.h>

namespace sw {

namespace {

// 0 until registered; registration never gives 0 for a valid name.
std::array<UINT, kCompanionControlCount> messageIds = {};

bool IsFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// The file as the shell will find it: a name without a folder in `folder`.
std::string PathInFolder(const std::string& file, const std::string& folder) {
    if (folder.empty() || file.find_first_of("\\:") != std::string::npos)
        return file;
    return AddTrailingBackslash(folder) + file;
}

} // namespace

void RegisterCompanionMessages() {
    for (int i = 0; i < kCompanionControlCount; ++i)
        messageIds[i] = RegisterWindowMessageA(kCompanionMessageNames[i]);
}

CompanionMessage ReceiveCompanionMessage(UINT message, WPARAM wParam) {
    for (int i = 0; i < kCompanionControlCount; ++i) {
        if (messageIds[i] == 0 || message != messageIds[i])
            continue;
        const bool firstPrintCommand =
            i == kCompanionPrintCommand && Program().CompanionHandles[i] == nullptr;
        Program().CompanionHandles[i] = reinterpret_cast<HWND>(wParam);
        return firstPrintCommand ? CompanionMessage::StoredFirstPrintCommand
                                 : CompanionMessage::Stored;
    }
    return CompanionMessage::NotCompanion;
}

bool IsCompanionRunning() {
    return FindWindowA(nullptr, kCompanionTitle) != nullptr;
}

void MarkCompanionMenuItem(HMENU menu) {
    if (menu == nullptr || !IsCompanionRunning())
        return;
    if ((GetMenuState(menu, IDM_COMPANION, MF_BYCOMMAND) & MF_CHECKED) == 0)
        CheckMenuItem(menu, IDM_COMPANION, MF_BYCOMMAND | MF_CHECKED);
}

bool UpdateCompanionMenuItem(HMENU menu) {
    const bool running = IsCompanionRunning();
    if (menu != nullptr)
        CheckMenuItem(menu, IDM_COMPANION, MF_BYCOMMAND | (running ? MF_CHECKED : MF_UNCHECKED));
    return running;
}

void LaunchCompanion(const std::string& file, const std::string& parameters,
                     const std::string& folder) {
    const std::string path = PathInFolder(file, folder);
    if (!IsFile(path))
        return;
    ShellExecuteA(nullptr, "open", path.c_str(), parameters.c_str(), folder.c_str(), SW_SHOWNORMAL);
}

} // namespace sw
