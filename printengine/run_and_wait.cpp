#include "printengine/run_and_wait.h"

#include "common/program_process.h"
#include "common/word_pad_rules.h"

namespace sw {
namespace {

constexpr DWORD kPollMs = 100;
constexpr int kTitleLimit = 255;

// The first top-level window without parent that the process owns.
HWND FindMainWindow(DWORD processId) {
    for (HWND window = FindWindowA(nullptr, nullptr); window != nullptr;
         window = GetWindow(window, GW_HWNDNEXT)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && GetParent(window) == nullptr)
            return window;
    }
    return nullptr;
}

void CloseIfFinished(HWND window) {
    char title[kTitleLimit + 1] = {};
    GetWindowTextA(window, title, sizeof(title));
    if (TitleSaysFinished(title))
        SendMessageA(window, WM_CLOSE, 0, 0);
}

// Dispatches what is queued for the caller's windows. A quit message is
// taken out of the queue only once; it is noted and posted again when the
// wait ends, so that the caller's own loop still sees it.
void DispatchPendingMessages(bool& quitSeen, WPARAM& quitCode) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quitSeen = true;
            quitCode = message.wParam;
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

} // namespace

LONG RunAndWait(const std::string& commandLine, int showState, const std::string& program) {
    const ProgramProcess process(commandLine, showState, program);
    if (!process.Started())
        return kProcessNotStarted;

    // The window to watch is looked for once, right after the start: a
    // program that has not created its window by then is only waited for.
    // Looking again later could close a WordPad that merely shows a document
    // whose name contains the word.
    const HWND watched = FindMainWindow(process.Id());
    bool quitSeen = false;
    WPARAM quitCode = 0;
    bool running = true;
    do {
        if (watched != nullptr && IsWindow(watched))
            CloseIfFinished(watched);
        // Waiting on the handle rather than for an exit code other than
        // STILL_ACTIVE also ends the wait for a program that exits with that
        // code.
        running = process.IsRunning();
        DispatchPendingMessages(quitSeen, quitCode);
        if (running)
            Sleep(kPollMs);
    } while (running);

    DWORD exitCode = 0;
    const BOOL known = GetExitCodeProcess(process.Handle(), &exitCode);
    if (quitSeen)
        PostQuitMessage(static_cast<int>(quitCode));
    return known ? static_cast<LONG>(exitCode) : kProcessNotStarted;
}

} // namespace sw
