// A stand-in for the companion remote-printing program, for tests: a window
// titled "Spoolwright Remote" with a printer list, eight value fields and a
// print button, announced to the main program's window (class
// "SpoolwrightFarreach") whenever a new one appears. Every text it is sent
// and every click is appended to the log file, one line each:
//   announced                 the ten handles were sent
//   text FIELD TEXT           WM_SETTEXT of a field (print for the button)
//   click FILE|SELECTED       the print button, with the selected printer(s)
// Every click is answered to the window that announced it as sent (code 0),
// during the click; with "answer=CODE" among the arguments, with that code a
// moment later, as the real companion answers once its job is done.
//   companion_standin.exe LOG single|multiple [answer=CODE] PRINTER...
#include "../support/file_writer.h"
#include "../support/text_lines.h"

#include <windows.h>

#include <shellapi.h>

#include <array>
#include <string>

namespace {

constexpr int kControls = 10;
const std::array<const char*, kControls> kMessages = {
    "SpoolwrightFarreach_Remote_Printerlistbox_hwnd",
    "SpoolwrightFarreach_Remote_PrintFile_Command",
    "SpoolwrightFarreach_Remote_COPIES",
    "SpoolwrightFarreach_Remote_AUTOFORMFEED",
    "SpoolwrightFarreach_Remote_ORIENTATION",
    "SpoolwrightFarreach_Remote_PRINTMETHOD",
    "SpoolwrightFarreach_Remote_BMPLEFT",
    "SpoolwrightFarreach_Remote_BMPTOP",
    "SpoolwrightFarreach_Remote_BMPWIDTH",
    "SpoolwrightFarreach_Remote_BMPHEIGHT"};
const std::array<const char*, kControls> kFields = {
    "list",   "print", "copies", "autoformfeed", "orientation",
    "method", "left",  "top",    "width",        "height"};
constexpr int kPrintButtonId = 101;
constexpr UINT_PTR kWatchTimer = 1;
constexpr UINT_PTR kAnswerTimer = 2;
constexpr UINT kAnswerDelayMs = 500;

std::string logPath;
std::array<HWND, kControls> controls = {};
std::array<WNDPROC, kControls> originalProcedures = {};
HWND announcedTo = nullptr;
std::string answerCode; // empty: 0, during the click
std::string pendingAnswer;

void Log(const std::string& line) {
    swtest::WriteToFile(logPath, line + "\n", true);
}

int FieldOf(HWND control) {
    for (int i = 0; i < kControls; ++i)
        if (controls[i] == control)
            return i;
    return -1;
}

LRESULT CALLBACK RecordingProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    const int field = FieldOf(control);
    if (message == WM_SETTEXT && field >= 0)
        Log(std::string("text ") + kFields[field] + " " + reinterpret_cast<const char*>(lParam));
    return CallWindowProcA(originalProcedures[field], control, message, wParam, lParam);
}

std::string SelectedPrinters() {
    HWND list = controls[0];
    std::string selected;
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        if (SendMessageA(list, LB_GETSEL, i, 0) <= 0)
            continue;
        char text[512] = {};
        SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        selected += (selected.empty() ? "" : ",") + std::string(text);
    }
    return selected;
}

void AnnounceIfNew() {
    HWND main = FindWindowA("SpoolwrightFarreach", nullptr);
    if (main == nullptr || main == announcedTo)
        return;
    announcedTo = main;
    for (int i = 0; i < kControls; ++i)
        SendMessageA(main, RegisterWindowMessageA(kMessages[i]),
                     reinterpret_cast<WPARAM>(controls[i]), 0);
    Log("announced");
}

void CreateControls(HWND window, const std::string& printers, bool multiple) {
    const DWORD listStyle =
        WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | (multiple ? LBS_MULTIPLESEL : 0);
    controls[0] =
        CreateWindowA("ListBox", "", listStyle, 5, 5, 300, 100, window, nullptr, nullptr, nullptr);
    controls[1] =
        CreateWindowA("Button", "Print", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 5, 110, 300, 24,
                      window, reinterpret_cast<HMENU>(kPrintButtonId), nullptr, nullptr);
    for (int i = 2; i < kControls; ++i)
        controls[i] = CreateWindowA("Edit", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 5,
                                    140 + 24 * (i - 2), 300, 22, window, nullptr, nullptr, nullptr);
    for (int i = 0; i < kControls; ++i)
        originalProcedures[i] = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
            controls[i], GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingProc)));
    for (const std::string& name : swtest::SplitLines(printers))
        SendMessageA(controls[0], LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
}

void Answer(HWND window, const std::string& answer) {
    COPYDATASTRUCT data = {0x53574A31, static_cast<DWORD>(answer.size() + 1),
                           const_cast<char*>(answer.c_str())};
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(announcedTo, WM_COPYDATA, reinterpret_cast<WPARAM>(window),
                        reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, 5000, &ignored);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        if (wParam == kAnswerTimer) {
            KillTimer(window, kAnswerTimer);
            Answer(window, pendingAnswer);
        } else {
            AnnounceIfNew();
        }
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == kPrintButtonId && HIWORD(wParam) == BN_CLICKED) {
            char file[1024] = {};
            GetWindowTextA(controls[1], file, sizeof(file));
            Log(std::string("click ") + file + "|" + SelectedPrinters());
            const std::string answer = SelectedPrinters() + "|" + file;
            if (answerCode.empty()) {
                Answer(window, "0|" + answer);
            } else {
                pendingAnswer = answerCode + "|" + answer;
                SetTimer(window, kAnswerTimer, kAnswerDelayMs, nullptr);
            }
        }
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // Arguments: the log path, "multiple" or "single", then the printers.
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    auto argument = [&](int i) {
        char text[1024] = {};
        WideCharToMultiByte(CP_ACP, 0, arguments[i], -1, text, sizeof(text), nullptr, nullptr);
        return std::string(text);
    };
    if (count < 3)
        return 2;
    logPath = argument(1);
    const bool multiple = argument(2) == "multiple";
    std::string printers;
    for (int i = 3; i < count; ++i) {
        const std::string text = argument(i);
        if (text.rfind("answer=", 0) == 0)
            answerCode = text.substr(7);
        else
            printers += (printers.empty() ? "" : "\n") + text;
    }
    LocalFree(arguments);

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = "SpoolwrightRemoteStandIn";
    RegisterClassA(&windowClass);
    HWND window =
        CreateWindowA("SpoolwrightRemoteStandIn", "Spoolwright Remote", WS_OVERLAPPEDWINDOW, 600, 0,
                      330, 380, nullptr, nullptr, instance, nullptr);
    CreateControls(window, printers, multiple);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    SetTimer(window, kWatchTimer, 100, nullptr);
    AnnounceIfNew();

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
