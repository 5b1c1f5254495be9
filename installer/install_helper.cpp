// Run by the installer package before it replaces or removes the program's
// files.
//   install_helper.exe             closes the running program and companion
//   install_helper.exe /uninstall  also removes the shortcuts the program made
//   install_helper.exe /service-start #N
//                                  only sets the service's start type to N,
//                                  as the registry keeps it (2 automatic,
//                                  3 by hand, 4 disabled), after an upgrade
// Programs are closed as a user would close them (WM_CLOSE to their windows)
// and waited for, so that no file is still in use; one that does not end in
// time is left to the installer's handling of files in use. The shortcuts are
// looked up in the user's own folders, where the program made them (a
// per-machine package's desktop and startup folders are the common ones).
// Nothing to close or remove is not an error: the exit code is always 0.
#include "remote/companion_protocol.h"
#include "service/service_names.h"

#include <windows.h>

#include <shlobj.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr DWORD kWaitPerProgramMs = 10000;
// A copy started meanwhile (from Startup or Send To) gets a few rounds only,
// never a loop that could hold the installer.
constexpr int kRounds = 3;

// Closes the window's process; false when there was no such window.
bool CloseAndWait(const char* windowClass, const char* title) {
    HWND window = FindWindowA(windowClass, title);
    if (window == nullptr)
        return false;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
    PostMessageA(window, WM_CLOSE, 0, 0);
    if (process != nullptr) {
        WaitForSingleObject(process, kWaitPerProgramMs);
        CloseHandle(process);
    }
    return true;
}

void CloseRunningPrograms() {
    for (int round = 0; round < kRounds; ++round) {
        const bool closedProgram = CloseAndWait(sw::kMainWindowClassName, nullptr);
        const bool closedCompanion = CloseAndWait(nullptr, sw::kCompanionTitle);
        if (!closedProgram && !closedCompanion)
            break;
    }
}

// The shortcuts under the names the program gives them: its own on the
// desktop and in Send To, the companion's in Startup.
void RemoveProgramShortcuts() {
    const struct {
        int folder;
        const char* name;
    } shortcuts[] = {
        {CSIDL_DESKTOPDIRECTORY, "SpoolwrightFarreach.lnk"},
        {CSIDL_SENDTO, "SpoolwrightFarreach.lnk"},
        {CSIDL_STARTUP, "SWRemote.lnk"},
    };
    for (const auto& shortcut : shortcuts) {
        char folder[MAX_PATH] = {};
        if (SHGetFolderPathA(nullptr, shortcut.folder, nullptr, SHGFP_TYPE_CURRENT, folder) == S_OK)
            DeleteFileA((std::string(folder) + "\\" + shortcut.name).c_str());
    }
}

// Sets the start type the text after "#" names; any other text is left alone.
void SetServiceStartType(const char* stored) {
    if (stored == nullptr || *stored != '#')
        return;
    const DWORD startType = static_cast<DWORD>(std::strtoul(stored + 1, nullptr, 10));
    if (startType < SERVICE_AUTO_START || startType > SERVICE_DISABLED)
        return;
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT);
    if (manager == nullptr)
        return;
    SC_HANDLE service = OpenServiceA(manager, sw::kServiceName, SERVICE_CHANGE_CONFIG);
    if (service != nullptr) {
        ChangeServiceConfigA(service, SERVICE_NO_CHANGE, startType, SERVICE_NO_CHANGE, nullptr,
                             nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
        CloseServiceHandle(service);
    }
    CloseServiceHandle(manager);
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    constexpr char kServiceStart[] = "/service-start ";
    if (const char* start = std::strstr(commandLine, kServiceStart)) {
        SetServiceStartType(start + sizeof(kServiceStart) - 1);
        return 0;
    }
    CloseRunningPrograms();
    if (std::strstr(commandLine, "/uninstall") != nullptr)
        RemoveProgramShortcuts();
    return 0;
}
