#include "shell/single_instance.h"

#include "shell/main_window.h"

#include <windows.h>

namespace sw {
namespace {

constexpr char kMutexName[] =
    "SpoolwrightFarreach_unique_name_not_matching_any_other_mutex_or_filemapping_object";
constexpr DWORD kHandOverWaitMs = 10000;
constexpr DWORD kRetryMs = 50;
constexpr UINT kSendTimeoutMs = 5000;

bool SendTo(HWND window, const std::string& commandLine) {
    COPYDATASTRUCT data = {};
    data.dwData = kCommandLineCopyData;
    data.cbData = static_cast<DWORD>(commandLine.size() + 1);
    data.lpData = const_cast<char*>(commandLine.c_str());
    DWORD_PTR accepted = FALSE;
    const LRESULT sent =
        SendMessageTimeoutA(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                            SMTO_ABORTIFHUNG, kSendTimeoutMs, &accepted);
    return sent != 0 && accepted == TRUE;
}

} // namespace

bool IsAnotherInstanceRunning() {
    HANDLE mutex = CreateMutexA(nullptr, FALSE, kMutexName);
    if (mutex == nullptr)
        return true;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        // Not kept: the mutex must go with the copy that owns it.
        CloseHandle(mutex);
        return true;
    }
    return false;
}

HandOver HandOverCommandLine(const std::string& commandLine) {
    const DWORD start = GetTickCount();
    do {
        HWND window = FindWindowA(kMainWindowClass, nullptr);
        if (window != nullptr && SendTo(window, commandLine))
            return HandOver::Done;
        if (window == nullptr && !IsAnotherInstanceRunning())
            return HandOver::RunHere;
        Sleep(kRetryMs);
    } while (GetTickCount() - start < kHandOverWaitMs);
    return HandOver::Failed;
}

} // namespace sw
