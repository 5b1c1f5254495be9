// The main window's class, menu and procedure. Each message goes to one
// handler; the commands are in main_commands.cpp, the children in
// main_window_layout.cpp.
#include "shell/main_window.h"

#include "common/dialog_controls.h"
#include "common/program_folder.h"
#include "printengine/swprint.h"
#include "printroute/companion_outcome.h"
#include "resources/resource.h"
#include "shell/command_line_processing.h"
#include "shell/companion.h"
#include "shell/file_drop.h"
#include "shell/handed_print.h"
#include "shell/main_commands.h"
#include "shell/main_window_layout.h"
#include "shell/print_dispatch.h"
#include "shell/printer_list.h"
#include "shell/program_state.h"
#include "shell/shutdown.h"
#include "shell/unattended_command.h"

#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <string>

namespace sw {
namespace {

// The size the window opens with at 96 dots per inch: height = width x 2 / 3.
constexpr int kWindowWidth = 495;
constexpr int kWindowHeight = kWindowWidth * 2 / 3;

constexpr LONG kSendToFolder = 9;

// A remote print asked for before the companion announced its controls waits
// for the announcements to settle, and gives up after a while.
constexpr UINT_PTR kRemotePrintSettleTimer = 1;
constexpr UINT kRemotePrintSettleMs = 300;
constexpr UINT_PTR kRemotePrintGiveUpTimer = 2;
constexpr UINT kRemotePrintGiveUpMs = 15000;

// Answers forwarded to a second start are given up when their time ran out.
constexpr UINT_PTR kForwardedAnswerTimer = 4;
constexpr UINT kForwardedAnswerMs = 1000;

// The indicator follows the service, which is started and stopped elsewhere too.
constexpr UINT_PTR kServiceWatchTimer = 3;
constexpr UINT kServiceWatchMs = 5000;

// Longest command line taken from a second start.
constexpr DWORD kHandedCommandLineLimit = 32 * 1024;

// The creation steps. A start-up that already printed closes at once and
// skips what only a visible window needs.
void OnCreate(HWND window) {
    Program().MainWindow = window;
    if (Program().StartupOutcome == -1) {
        RunShutdownSteps();
        return;
    }
    CreateMainWindowChildren(window);
    if (UnattendedPrintingWasOnAtExit())
        ResumeUnattendedPrinting();
    ShowUnattendedIndicator();
    SetTimer(window, kServiceWatchTimer, kServiceWatchMs, nullptr);
    if (Program().AskAssociation == -1)
        SendMessageA(window, WM_COMMAND, IDM_PRINT, 0);
    DragAcceptFiles(window, TRUE);
    if (!Program().RemotePrintPending) {
        const std::string program = ProgramPath();
        const LONG folder = kSendToFolder;
        CreateShortcut(&window, program.c_str(), "Spoolwright Farreach", &folder);
    } else {
        SetTimer(window, kRemotePrintGiveUpTimer, kRemotePrintGiveUpMs, nullptr);
    }
    MarkCompanionMenuItem(Program().MainMenu);
}

void OnCompanionMessage(HWND window, CompanionMessage received) {
    UpdateCompanionMenuItem(Program().MainMenu);
    if (received == CompanionMessage::StoredFirstPrintCommand)
        RefreshPrinterList();
    if (Program().RemotePrintPending &&
        Program().CompanionHandles[kCompanionPrintCommand] != nullptr)
        SetTimer(window, kRemotePrintSettleTimer, kRemotePrintSettleMs, nullptr);
}

void FinishRemotePrint(HWND window, bool print) {
    KillTimer(window, kRemotePrintSettleTimer);
    KillTimer(window, kRemotePrintGiveUpTimer);
    if (!Program().RemotePrintPending)
        return;
    Program().RemotePrintPending = false;
    HWND asker = Program().HandedPrintAsker;
    Program().HandedPrintAsker = nullptr;
    // A companion that never announced its print command took nothing. The
    // start's own command line ends with what became of the job, and so does
    // a second start that handed the print over: the window, which goes on
    // serving its user, passes the companion's answer on when it comes.
    const bool own = Program().CloseAfterRemotePrint;
    if (print && asker != nullptr && !own) {
        const std::int32_t clicked =
            DispatchPrint(Program().CurrentPrinter, Program().SelectedFile, false,
                          [asker](std::int32_t code) { AnswerHandedPrint(asker, code); });
        if (clicked != 0)
            AnswerHandedPrint(asker, clicked);
        else
            SetTimer(window, kForwardedAnswerTimer, kForwardedAnswerMs, nullptr);
        return;
    }
    const std::int32_t result =
        print ? DispatchPrint(Program().CurrentPrinter, Program().SelectedFile, own)
              : ERROR_NOT_READY;
    AnswerHandedPrint(asker, result);
    if (own) {
        Program().ExitCode = result;
        RunShutdownSteps();
    }
}

void OnTimer(HWND window, UINT_PTR timer) {
    if (timer == kRemotePrintSettleTimer)
        FinishRemotePrint(window, true);
    else if (timer == kRemotePrintGiveUpTimer)
        FinishRemotePrint(window, false);
    else if (timer == kServiceWatchTimer)
        ShowUnattendedIndicator();
    else if (timer == kForwardedAnswerTimer && !ExpireForwardedOutcomes())
        KillTimer(window, kForwardedAnswerTimer);
}

// A command line handed over by a second start is printed as this start's
// own would be, and its result is posted to the sender's window when the
// sender waits for it. The sender is released first: printing may take long.
LRESULT OnCopyData(HWND window, HWND sender, const COPYDATASTRUCT* data) {
    if (TakeCompanionOutcome(data))
        return TRUE;
    if (data == nullptr || data->cbData == 0 || data->lpData == nullptr ||
        (data->dwData != kCommandLineCopyData && data->dwData != kAnsweredCommandLineCopyData))
        return FALSE;
    HWND asker = data->dwData == kAnsweredCommandLineCopyData ? sender : nullptr;
    const DWORD size =
        data->cbData < kHandedCommandLineLimit ? data->cbData : kHandedCommandLineLimit;
    const char* bytes = static_cast<const char*>(data->lpData);
    std::string commandLine(bytes, size);
    commandLine = commandLine.substr(0, commandLine.find('\0'));
    ReplyMessage(TRUE);

    // How the print went is the sender's exit code, not this program's.
    const std::int32_t exitCode = Program().ExitCode;
    Program().ExitCode = 0;
    // A remote print the companion takes at once is answered when its answer
    // comes; this window may itself be waiting for the answer to its own.
    std::function<void(std::int32_t)> forward;
    if (asker != nullptr)
        forward = [asker](std::int32_t code) { AnswerHandedPrint(asker, code); };
    const std::int16_t outcome = ProcessCommandLine(commandLine, forward);
    const std::int32_t result = outcome == -1 ? Program().ExitCode : 0;
    Program().ExitCode = exitCode;
    ShowSelectedFile();
    if (outcome == kRemoteOutcomeForwarded) {
        SetTimer(window, kForwardedAnswerTimer, kForwardedAnswerMs, nullptr);
    } else if (Program().RemotePrintPending) {
        // One pending remote print at a time: a sender whose print this one
        // replaced learns that nobody took it.
        if (Program().HandedPrintAsker != asker)
            AnswerHandedPrint(Program().HandedPrintAsker, ERROR_TIMEOUT);
        Program().HandedPrintAsker = asker;
        SetTimer(window, kRemotePrintGiveUpTimer, kRemotePrintGiveUpMs, nullptr);
    } else {
        // Printed, refused, or taken into the window (a file that is not
        // there, a printer to associate first): the sender is done.
        AnswerHandedPrint(asker, result);
    }
    if (Program().AskAssociation == -1)
        PostMessageA(window, WM_COMMAND, IDM_PRINT, 0);
    return TRUE;
}

LRESULT OnNotify(const NMHDR* header) {
    if (header->code == TTN_GETDISPINFOA) {
        static char tooltip[kStateTextLimit + 1];
        tooltip[0] = '\0';
        LoadStringA(Program().ProgramInstance, static_cast<UINT>(header->idFrom), tooltip,
                    sizeof(tooltip));
        reinterpret_cast<NMTTDISPINFOA*>(const_cast<NMHDR*>(header))->lpszText = tooltip;
    }
    return 0;
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const CompanionMessage received = ReceiveCompanionMessage(message, wParam);
    if (received != CompanionMessage::NotCompanion) {
        OnCompanionMessage(window, received);
        return DefWindowProcA(window, message, wParam, lParam);
    }
    switch (message) {
    case WM_CREATE:
        OnCreate(window);
        break;
    case WM_DROPFILES:
        OnDropFiles(reinterpret_cast<HDROP>(wParam));
        break;
    case WM_NOTIFY:
        return OnNotify(reinterpret_cast<const NMHDR*>(lParam));
    case WM_MENUSELECT:
        return 0;
    case WM_INITMENUPOPUP:
        // The companion may have started or ended since the menu last opened.
        UpdateCompanionMenuItem(Program().MainMenu);
        break;
    case WM_MOUSEMOVE:
        ShowSelectedFile();
        return 0;
    case WM_SIZE:
        OnSize(wParam, lParam);
        break;
    case WM_COMMAND:
        OnCommand(window, LOWORD(wParam));
        return 0;
    case WM_TIMER:
        OnTimer(window, wParam);
        return 0;
    case WM_COPYDATA:
        return OnCopyData(window, reinterpret_cast<HWND>(wParam),
                          reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case WM_DESTROY:
        RunShutdownSteps();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

bool RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSA windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, IDI_PROGRAM);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = kMainWindowClass;
    return RegisterClassA(&windowClass) != 0;
}

HMENU LoadMainMenu(HINSTANCE instance) {
    HMENU menu = LoadMenuA(instance, IDR_MAINMENU);
    if (menu == nullptr)
        return nullptr;
    ModifyMenuA(menu, IDM_ADD_PRINTER, MF_BYCOMMAND | MF_STRING, IDM_ADD_PRINTER,
                "Add New Printer");
    InsertMenuA(menu, IDM_ADD_PRINTER, MF_BYCOMMAND | MF_STRING, IDM_COMPANION,
                "Spoolwright Remote");
    InsertMenuA(menu, IDM_ADD_PRINTER, MF_BYCOMMAND | MF_STRING, IDM_DRIVER_DOWNLOAD,
                "Download Printer Driver");
    return menu;
}

HWND CreateMainWindow(HINSTANCE instance, HMENU menu) {
    Program().ProgramInstance = instance;
    Program().MainMenu = menu;
    const std::string title = ResourceString(IDS_APP_TITLE);
    HWND window = CreateWindowA(kMainWindowClass, title.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, ScaledForScreen(kWindowWidth),
                                ScaledForScreen(kWindowHeight), nullptr, menu, instance, nullptr);
    // The window owns its menu; without a window nobody else frees it.
    if (window == nullptr && menu != nullptr)
        DestroyMenu(menu);
    return window;
}

} // namespace sw
