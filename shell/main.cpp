// Entry of swutil.exe: one copy only; the companion's messages and the window
// class are registered, the command line is processed (it may print and
// close the program at once), then the main window runs until it is closed.
#include "common/text_helpers.h"
#include "resources/resource.h"
#include "shell/command_line_processing.h"
#include "shell/companion.h"
#include "shell/main_window.h"
#include "shell/program_state.h"
#include "shell/single_instance.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
    const std::string text = sw::TrimSpaces(commandLine != nullptr ? commandLine : "");
    if (sw::IsAnotherInstanceRunning()) {
        // Without a command line a second start just ends; with one, the
        // running copy prints it, and this copy ends silently with the
        // print's result.
        if (text.empty())
            return 0;
        const sw::HandOverResult handed = sw::HandOverCommandLine(text);
        switch (handed.kind) {
        case sw::HandOver::Done:
            return handed.code;
        case sw::HandOver::Failed:
            return ERROR_TIMEOUT;
        case sw::HandOver::RunHere:
            break;
        }
    }
    sw::RegisterCompanionMessages();
    if (!sw::RegisterMainWindowClass(instance))
        return 0;
    HMENU menu = sw::LoadMainMenu(instance);
    sw::Program().StartupOutcome = sw::ProcessCommandLine(text);
    sw::Program().CloseAfterRemotePrint = sw::Program().RemotePrintPending;

    HWND window = sw::CreateMainWindow(instance, menu);
    // Without a window (no desktop to show it on) a command-line print has
    // still happened, and its result is still the exit code.
    if (window == nullptr)
        return sw::Program().ExitCode;
    // A command-line print is never seen: the window closed itself at once,
    // or stays hidden until the companion has the remote print.
    if (sw::Program().StartupOutcome != -1 && !sw::Program().RemotePrintPending) {
        ShowWindow(window, showCommand);
        UpdateWindow(window);
    }

    // The shortcuts the menus show (Ctrl+S, Ctrl+P, F1) go to the main
    // window, whichever of its children has the focus.
    HACCEL shortcuts = LoadAcceleratorsA(instance, IDR_MAINACCEL);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (shortcuts != nullptr && TranslateAcceleratorA(window, shortcuts, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
