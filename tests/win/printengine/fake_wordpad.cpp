// A stand-in word processor for the document-printing tests. It appends what
// it was started with (command line, show state, the default printer it saw)
// to the file named by SW_FAKE_WORDPAD_LOG, then acts as SW_FAKE_WORDPAD_MODE
// says:
//   finished   shows a window, soon titles it "Printing fInIsHeD" and waits
//              about two seconds to be sent WM_CLOSE (exit code 0; 3 if
//              nobody closes it);
//   plain      shows a window whose title never says so and closes it itself
//              (exit code 5);
//   no-window  exits at once (exit code 7).
// It must not load the spooler: under Wine that resets the default printer,
// so it reads the default from the profile.
#include "support/file_writer.h"

#include <windows.h>

#include <string>

namespace {

constexpr UINT_PTR kRetitleTimer = 1;
constexpr UINT_PTR kGiveUpTimer = 2;
constexpr UINT_PTR kSelfCloseTimer = 3;

int exitCode = 0;

std::string Environment(const char* name) {
    char value[1024] = {};
    const DWORD length = GetEnvironmentVariableA(name, value, sizeof(value));
    return length < sizeof(value) ? std::string(value, length) : std::string();
}

void Log(const std::string& line) {
    swtest::WriteToFile(Environment("SW_FAKE_WORDPAD_LOG"), line + "\r\n", true);
}

void EndWith(HWND window, int code, const char* why) {
    Log(why);
    exitCode = code;
    DestroyWindow(window);
}

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        if (wParam == kRetitleTimer) {
            KillTimer(window, kRetitleTimer);
            SetWindowTextA(window, "Printing fInIsHeD");
        } else if (wParam == kGiveUpTimer) {
            EndWith(window, 3, "NOBODY CLOSED");
        } else if (wParam == kSelfCloseTimer) {
            EndWith(window, 5, "CLOSED ITSELF");
        }
        return 0;
    case WM_CLOSE:
        EndWith(window, 0, "WM_CLOSE");
        return 0;
    case WM_DESTROY:
        PostQuitMessage(exitCode);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showState) {
    char device[300] = {};
    GetProfileStringA("windows", "device", "", device, sizeof(device));
    Log(std::string("COMMAND ") + GetCommandLineA());
    Log("SHOW " + std::to_string(showState));
    Log(std::string("DEVICE ") + device);

    const std::string mode = Environment("SW_FAKE_WORDPAD_MODE");
    if (mode != "finished" && mode != "plain") {
        Log("NO WINDOW");
        return 7;
    }
    // A word processor takes a while to make its window; waiting a little
    // so its window does not exist yet right after the start.
    Sleep(300);

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "SwFakeWordPad";
    RegisterClassA(&windowClass);
    const HWND window =
        CreateWindowA("SwFakeWordPad", "Stand-in - printing", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                      CW_USEDEFAULT, 300, 200, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, showState);
    if (mode == "finished") {
        SetTimer(window, kRetitleTimer, 200, nullptr);
        SetTimer(window, kGiveUpTimer, 2000, nullptr);
    } else {
        SetTimer(window, kSelfCloseTimer, 1000, nullptr);
    }

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
