#include "common/program_process.h"

#include "common/system_error.h"

#include <vector>

namespace sw {

bool WaitForProcessEnd(HANDLE process, unsigned long limitMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= limitMs)
            return false;
        const DWORD woken =
            MsgWaitForMultipleObjects(1, &process, FALSE, limitMs - elapsed, QS_ALLINPUT);
        if (woken == WAIT_OBJECT_0)
            return true;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

ProgramProcess::ProgramProcess(const std::string& commandLine, int showState,
                               const std::string& application, const std::string& folder) {
    // CreateProcessA may write into the command line, so it gets a copy.
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showState);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(application.empty() ? nullptr : application.c_str(), line.data(), nullptr,
                        nullptr, FALSE, 0, nullptr, folder.empty() ? nullptr : folder.c_str(),
                        &startup, &process)) {
        error_ = static_cast<DWORD>(LastErrorOr(ERROR_GEN_FAILURE));
        return;
    }
    CloseHandle(process.hThread);
    *process_.Receive() = process.hProcess;
    id_ = process.dwProcessId;
}

} // namespace sw
