#include "shell/single_instance.h"

#include "shell/handed_print.h"
#include "shell/main_window.h"

#include <windows.h>

namespace sw {
namespace {

constexpr char kMutexName[] =
    "SpoolwrightFarreach_unique_name_not_matching_any_other_mutex_or_filemapping_object";
constexpr DWORD kHandOverWaitMs = 10000;
constexpr DWORD kRetryMs = 50;
constexpr UINT kSendTimeoutMs = 5000;
constexpr char kAnswerWindowClass[] = "SpoolwrightFarreachHandOver";

// The running copy bounds each of its own waits (the companion's answer
// among them, six hours at the most); this only ends the wait on a copy that
// hangs.
constexpr DWORD kLongestHandedPrintMs = 6 * 60 * 60 * 1000 + 10 * 60 * 1000;
constexpr DWORD kWatchMs = 250;

enum class Sent { Taken, Refused, NoAnswer };

Sent SendTo(HWND window, ULONG_PTR kind, HWND answerWindow, const std::string& commandLine) {
    COPYDATASTRUCT data = {};
    data.dwData = kind;
    data.cbData = static_cast<DWORD>(commandLine.size() + 1);
    data.lpData = const_cast<char*>(commandLine.c_str());
    DWORD_PTR accepted = FALSE;
    const LRESULT sent = SendMessageTimeoutA(
        window, WM_COPYDATA, reinterpret_cast<WPARAM>(answerWindow),
        reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, kSendTimeoutMs, &accepted);
    if (sent == 0)
        return Sent::NoAnswer;
    return accepted == TRUE ? Sent::Taken : Sent::Refused;
}

// A message-only window that the running copy posts the result to.
HWND CreateAnswerWindow() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kAnswerWindowClass;
    RegisterClassA(&windowClass);
    return CreateWindowA(kAnswerWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                         windowClass.hInstance, nullptr);
}

bool TakeResult(HWND answerWindow, std::int32_t& code) {
    const UINT resultMessage = HandedPrintResultMessage();
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == resultMessage && message.hwnd == answerWindow) {
            code = static_cast<std::int32_t>(static_cast<std::uint32_t>(message.wParam));
            return true;
        }
        DispatchMessageA(&message);
    }
    return false;
}

// The running copy posts the result and may close at once after it: the
// queue is read once more when its window is gone.
std::int32_t AwaitResult(HWND target, HWND answerWindow) {
    const DWORD start = GetTickCount();
    std::int32_t code = 0;
    while (!TakeResult(answerWindow, code)) {
        if (!IsWindow(target))
            return TakeResult(answerWindow, code) ? code : ERROR_TIMEOUT;
        if (GetTickCount() - start >= kLongestHandedPrintMs)
            return ERROR_TIMEOUT;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, kWatchMs, QS_ALLINPUT);
    }
    return code;
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

HandOverResult HandOverCommandLine(const std::string& commandLine) {
    HWND answerWindow = CreateAnswerWindow();
    const DWORD start = GetTickCount();
    do {
        HWND window = FindWindowA(kMainWindowClass, nullptr);
        if (window != nullptr) {
            const Sent sent = answerWindow != nullptr ? SendTo(window, kAnsweredCommandLineCopyData,
                                                               answerWindow, commandLine)
                                                      : Sent::Refused;
            if (sent == Sent::Taken)
                return {HandOver::Done, AwaitResult(window, answerWindow)};
            // A copy of an earlier version takes the command line but never answers.
            if (sent == Sent::Refused &&
                SendTo(window, kCommandLineCopyData, nullptr, commandLine) == Sent::Taken)
                return {HandOver::Done, 0};
        } else if (!IsAnotherInstanceRunning()) {
            return {HandOver::RunHere, 0};
        }
        Sleep(kRetryMs);
    } while (GetTickCount() - start < kHandOverWaitMs);
    return {HandOver::Failed, ERROR_TIMEOUT};
}

} // namespace sw
