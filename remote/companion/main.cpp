// Entry of Remsw.exe, the companion "Spoolwright Remote": prints files on
// the printers of remote sites for Spoolwright, which hands it jobs by
// writing into its controls. One copy runs: a second start brings the
// running one forward and ends, since a second window would take over the
// main program's handles and leave them dead when it closes.
#include "remote/companion/companion_window.h"

namespace {

constexpr char kCompanionMutex[] = "SpoolwrightRemoteCompanion";
constexpr DWORD kFirstWindowWaitMs = 5000;

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    HANDLE mutex = CreateMutexA(nullptr, FALSE, kCompanionMutex);
    if (mutex != nullptr && GetLastError() == ERROR_ALREADY_EXISTS) {
        sw::BringRunningCompanionForward(kFirstWindowWaitMs);
        CloseHandle(mutex);
        return 0;
    }
    int result = 1;
    if (sw::RegisterCompanionClass(instance)) {
        HWND window = sw::CreateCompanionWindow(instance);
        if (window != nullptr) {
            ShowWindow(window, showCommand);
            UpdateWindow(window);
            MSG message;
            while (GetMessageA(&message, nullptr, 0, 0) > 0) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
            result = static_cast<int>(message.wParam);
        }
    }
    if (mutex != nullptr)
        CloseHandle(mutex);
    return result;
}
