#include "printroute/companion_launch.h"

#include "common/long_path.h"
#include "common/path_helpers.h"
#include "common/program_folder.h"
#include "remote/companion_protocol.h"

#include <shellapi.h>

namespace sw {
namespace {

// The longest pause between two looks at the announcements.
constexpr DWORD kWaitStepMs = 100;

// The file as the shell will find it: a name without a folder in `folder`.
std::string PathInFolder(const std::string& file, const std::string& folder) {
    if (folder.empty() || file.find_first_of("\\:") != std::string::npos)
        return file;
    return AddTrailingBackslash(folder) + file;
}

} // namespace

bool IsCompanionRunning() {
    return FindWindowA(nullptr, kCompanionTitle) != nullptr;
}

std::string CompanionProgramPath() {
    return ProgramFolder() + kCompanionProgram;
}

void LaunchCompanion(const std::string& file, const std::string& parameters,
                     const std::string& folder) {
    const std::string path = PathInFolder(file, folder);
    if (!IsFile(path))
        return;
    ShellExecuteA(nullptr, "open", path.c_str(), parameters.c_str(), folder.c_str(), SW_SHOWNORMAL);
}

bool IsCompanionAnnounced(const CompanionControls& companion) {
    for (HWND control : companion) {
        if (control == nullptr || !IsWindow(control))
            return false;
    }
    return true;
}

std::int32_t AwaitCompanion(const CompanionControls& companion, DWORD timeoutMs) {
    if (IsCompanionAnnounced(companion))
        return 0;
    if (!IsCompanionRunning()) {
        const std::string companion = CompanionProgramPath();
        if (!IsFile(companion))
            return ERROR_FILE_NOT_FOUND;
        LaunchCompanion(FileNamePart(companion), "", FolderPart(companion));
    }
    const DWORD start = GetTickCount();
    while (!IsCompanionAnnounced(companion)) {
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeoutMs)
            return ERROR_TIMEOUT;
        const DWORD left = timeoutMs - elapsed;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, left < kWaitStepMs ? left : kWaitStepMs,
                                  QS_SENDMESSAGE);
        // Serves the messages sent to this thread; posted ones stay queued.
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    return 0;
}

} // namespace sw
