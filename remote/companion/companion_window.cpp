#include "remote/companion/companion_window.h"

#include "common/path_helpers.h"
#include "remote/companion/companion_ids.h"
#include "remote/companion/job_worker.h"
#include "remote/companion_protocol.h"
#include "remote/remote_job.h"
#include "remote/remote_sites_file.h"
#include "remote/remote_sites_line.h"

#include <memory>
#include <string>
#include <vector>

namespace sw {
namespace {

constexpr char kCompanionClass[] = "SpoolwrightRemoteWindow";
constexpr UINT_PTR kWatchTimer = 1;
constexpr UINT kWatchPeriodMs = 500;
constexpr UINT kAnnounceTimeoutMs = 5000;
constexpr int kLogLimit = 500;

const char* const kValueLabels[] = {"Copies",       "Auto formfeed", "Orientation",
                                    "Print method", "Bitmap left",   "Bitmap top",
                                    "Bitmap width", "Bitmap height"};
// The value fields in the order of the announcements that carry them.
const CompanionField kValueFields[] = {kFieldCopies,      kFieldAutoFormfeed, kFieldOrientation,
                                       kFieldPrintMethod, kFieldBitmapLeft,   kFieldBitmapTop,
                                       kFieldBitmapWidth, kFieldBitmapHeight};

struct CompanionState {
    std::unique_ptr<JobWorker> worker;
    UINT messages[kCompanionFieldCount] = {};
    HWND announcedTo = nullptr; // the main window that has our handles
    bool listed = false;        // the printer list is filled
};

CompanionState* State(HWND window) {
    return reinterpret_cast<CompanionState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

HWND Control(HWND window, int id) {
    return GetDlgItem(window, id);
}

// The whole text: a file path is never cut, whatever its length.
std::string ControlText(HWND control) {
    const LRESULT length = SendMessageA(control, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    SendMessageA(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    return text.c_str();
}

void Log(HWND window, const std::string& line) {
    HWND log = Control(window, kCompanionLog);
    if (SendMessageA(log, LB_GETCOUNT, 0, 0) >= kLogLimit)
        SendMessageA(log, LB_DELETESTRING, 0, 0);
    const LRESULT index =
        SendMessageA(log, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    SendMessageA(log, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
}

HWND AddChild(HWND parent, const char* className, const char* text, DWORD style, int id, int x,
              int y, int width, int height) {
    HWND child = CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width,
                                 height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleA(nullptr), nullptr);
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    return child;
}

// The sites file in the Windows folder, as the main program keeps it.
std::string SitesFile() {
    char folder[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryA(folder, sizeof(folder));
    const std::string windows = length < sizeof(folder) ? std::string(folder, length) : "";
    return AddTrailingBackslash(windows) + std::string(kRemoteSitesFileName);
}

void OnRefresh(HWND window) {
    const std::optional<std::vector<std::string>> sites = ReadSitesFile(SitesFile());
    if (!sites) {
        Log(window, "Cannot read " + SitesFile());
        return;
    }
    if (sites->empty())
        Log(window, "No remote sites: add them with Set remote printers in Spoolwright");
    State(window)->worker->ListPrinters(*sites);
}

void OnCreate(HWND window) {
    auto* state = new CompanionState;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    for (std::size_t i = 0; i < kCompanionFieldCount; ++i)
        state->messages[i] = RegisterWindowMessageA(kCompanionMessageNames[i]);

    AddChild(window, "STATIC", "Remote printers (site:printer)", SS_LEFT, -1, 8, 8, 260, 16);
    AddChild(window, "LISTBOX", "", LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP,
             kCompanionPrinterList, 8, 26, 260, 140);
    AddChild(window, "BUTTON", "&Refresh", BS_PUSHBUTTON | WS_TABSTOP, kCompanionRefresh, 8, 170,
             80, 24);
    for (int i = 0; i < 8; ++i) {
        AddChild(window, "STATIC", kValueLabels[i], SS_LEFT, -1, 280, 8 + 24 * i, 90, 16);
        AddChild(window, "EDIT", "", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP,
                 kCompanionFirstValue + i, 372, 6 + 24 * i, 120, 20);
    }
    AddChild(window, "BUTTON", "&Print", BS_PUSHBUTTON | WS_TABSTOP, kCompanionPrint, 280, 202, 212,
             24);
    AddChild(window, "LISTBOX", "", LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL | WS_BORDER,
             kCompanionLog, 8, 236, 484, 120);

    state->worker = std::make_unique<JobWorker>(window);
    if (!state->worker->Started()) {
        Log(window, "Cannot start the printing thread; nothing can be printed");
        return;
    }
    OnRefresh(window);
    SetTimer(window, kWatchTimer, kWatchPeriodMs, nullptr);
}

// The main program's window, by its class or, failing that, its title.
HWND FindMainWindow() {
    HWND main = FindWindowA(kMainWindowClassName, nullptr);
    return main != nullptr ? main : FindWindowA(nullptr, kMainWindowTitle);
}

HWND AnnouncedControl(HWND window, CompanionField field) {
    if (field == kFieldPrinterList)
        return Control(window, kCompanionPrinterList);
    if (field == kFieldPrintCommand)
        return Control(window, kCompanionPrint);
    for (int i = 0; i < 8; ++i) {
        if (kValueFields[i] == field)
            return Control(window, kCompanionFirstValue + i);
    }
    return nullptr;
}

// Hands the main window our ten controls, the printer list first, so that
// its refresh at the print-command message finds the printers already listed.
void Announce(HWND window, HWND main) {
    CompanionState* state = State(window);
    for (std::size_t i = 0; i < kCompanionFieldCount; ++i) {
        DWORD_PTR ignored = 0;
        HWND control = AnnouncedControl(window, static_cast<CompanionField>(i));
        if (!SendMessageTimeoutA(main, state->messages[i], reinterpret_cast<WPARAM>(control), 0,
                                 SMTO_ABORTIFHUNG, kAnnounceTimeoutMs, &ignored)) {
            Log(window, "The Spoolwright window does not answer; trying again");
            return;
        }
    }
    state->announcedTo = main;
    Log(window, "Announced to the Spoolwright window");
}

void OnWatch(HWND window) {
    CompanionState* state = State(window);
    if (!state->listed)
        return;
    HWND main = FindMainWindow();
    if (main != nullptr && main != state->announcedTo)
        Announce(window, main);
}

// The values are taken at the click, so that the next job the main program
// writes cannot change this one while it is sent.
void OnPrint(HWND window) {
    RemoteJobTexts texts;
    HWND printers = Control(window, kCompanionPrinterList);
    const LRESULT selected = SendMessageA(printers, LB_GETCURSEL, 0, 0);
    if (selected != LB_ERR) {
        const LRESULT length = SendMessageA(printers, LB_GETTEXTLEN, selected, 0);
        std::vector<char> text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
        SendMessageA(printers, LB_GETTEXT, selected, reinterpret_cast<LPARAM>(text.data()));
        texts.printer = text.data();
    }
    texts.file = ControlText(Control(window, kCompanionPrint));
    std::string* values[] = {&texts.copies,      &texts.autoFormfeed, &texts.orientation,
                             &texts.printMethod, &texts.bitmapLeft,   &texts.bitmapTop,
                             &texts.bitmapWidth, &texts.bitmapHeight};
    for (int i = 0; i < 8; ++i)
        *values[i] = ControlText(Control(window, kCompanionFirstValue + i));

    const RemoteJobCheck check = CheckRemoteJob(texts);
    if (!check.job) {
        Log(window, "Not printed: " + check.problem);
        return;
    }
    State(window)->worker->Print(*check.job);
}

void OnWorkerResult(HWND window, LPARAM lParam) {
    std::unique_ptr<WorkerResult> result(TakeWorkerResult(lParam));
    if (result->listing) {
        HWND printers = Control(window, kCompanionPrinterList);
        SendMessageA(printers, LB_RESETCONTENT, 0, 0);
        for (const std::string& printer : result->printers)
            SendMessageA(printers, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(printer.c_str()));
        State(window)->listed = true;
        OnWatch(window);
    }
    for (const std::string& message : result->messages)
        Log(window, message);
}

void OnCommand(HWND window, int id, int code) {
    switch (id) {
    case kCompanionRefresh:
        OnRefresh(window);
        break;
    case kCompanionPrint:
        if (code == BN_CLICKED)
            OnPrint(window);
        break;
    }
}

void OnDestroy(HWND window) {
    KillTimer(window, kWatchTimer);
    delete State(window);
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    PostQuitMessage(0);
}

LRESULT CALLBACK CompanionWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        OnCreate(window);
        return 0;
    case WM_COMMAND:
        OnCommand(window, LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_TIMER:
        if (wParam == kWatchTimer)
            OnWatch(window);
        return 0;
    case kWorkerResultMessage:
        OnWorkerResult(window, lParam);
        return 0;
    case WM_DESTROY:
        OnDestroy(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

bool RegisterCompanionClass(HINSTANCE instance) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = CompanionWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kCompanionClass;
    return RegisterClassA(&windowClass) != 0;
}

HWND CreateCompanionWindow(HINSTANCE instance) {
    RECT frame = {0, 0, 500, 364};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    return CreateWindowA(kCompanionClass, kCompanionTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                         CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top, nullptr,
                         nullptr, instance, nullptr);
}

} // namespace sw
