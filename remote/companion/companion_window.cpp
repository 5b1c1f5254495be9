#include "remote/companion/companion_window.h"

#include "common/path_helpers.h"
#include "common/text_helpers.h"
#include "remote/client/site_credentials.h"
#include "remote/companion/companion_ids.h"
#include "remote/companion/job_worker.h"
#include "remote/companion/print_button.h"
#include "remote/companion/sign_in_dialog.h"
#include "remote/companion_protocol.h"
#include "remote/job_outcome.h"
#include "remote/remote_failure_codes.h"
#include "remote/remote_job.h"
#include "remote/remote_sites_file.h"
#include "remote/remote_sites_line.h"
#include "remote/site_entry.h"

#include <algorithm>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace sw {
namespace {

constexpr UINT_PTR kWatchTimer = 1;
constexpr UINT kWatchPeriodMs = 500;
// The sites that have not answered a listing after this long are waited for
// no more before the controls are announced: the main program waits 15 s.
constexpr UINT_PTR kListingTimer = 2;
constexpr UINT kListingPatienceMs = 5000;
constexpr UINT kAnnounceTimeoutMs = 5000;
constexpr std::size_t kLogLimit = 500;
// A task whose sign-in was refused this often is given up.
constexpr int kSignInRounds = 3;

const char* const kValueLabels[] = {"Copies",       "Auto formfeed", "Orientation",
                                    "Print method", "Bitmap left",   "Bitmap top",
                                    "Bitmap width", "Bitmap height"};
// The value fields in the order of the announcements that carry them.
const CompanionField kValueFields[] = {kFieldCopies,      kFieldAutoFormfeed, kFieldOrientation,
                                       kFieldPrintMethod, kFieldBitmapLeft,   kFieldBitmapTop,
                                       kFieldBitmapWidth, kFieldBitmapHeight};

// A site of the current listing round and the entries it gave the list.
struct ListedSite {
    std::string site;
    std::vector<std::string> entries;
    bool answered = false;
};

struct CompanionState {
    std::unique_ptr<JobWorker> worker;
    UINT messages[kCompanionFieldCount] = {};
    HWND announcedTo = nullptr; // the main window that has our handles
    bool listed = false;        // the printer list is filled, or waited for long enough
    unsigned generation = 0;    // the listing round under way
    std::vector<ListedSite> sites;
    std::deque<std::string> log;
    std::map<std::string, std::string> printerStates; // list entry -> state
    std::deque<SignInRequest> signIns;                // waiting for the dialog
    bool askingSignIn = false;
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

// The log is a read-only edit control that wraps its lines, so that a long
// message is shown whole; it keeps the last kLogLimit lines.
void Log(HWND window, const std::string& line) {
    CompanionState* state = State(window);
    state->log.push_back(line);
    while (state->log.size() > kLogLimit)
        state->log.pop_front();
    std::string text;
    for (const std::string& entry : state->log)
        text += (text.empty() ? "" : "\r\n") + entry;
    HWND log = Control(window, kCompanionLog);
    SendMessageA(log, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    const LRESULT end = SendMessageA(log, WM_GETTEXTLENGTH, 0, 0);
    SendMessageA(log, EM_SETSEL, static_cast<WPARAM>(end), end);
    SendMessageA(log, EM_SCROLLCARET, 0, 0);
}

// A failure the user must see: the window is restored and brought forward.
void ComeForward(HWND window) {
    if (IsIconic(window) || !IsWindowVisible(window))
        ShowWindow(window, SW_RESTORE);
    SetForegroundWindow(window);
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

std::string SelectedPrinter(HWND window) {
    HWND printers = Control(window, kCompanionPrinterList);
    const LRESULT selected = SendMessageA(printers, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR)
        return std::string();
    const LRESULT length = SendMessageA(printers, LB_GETTEXTLEN, selected, 0);
    std::vector<char> text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    SendMessageA(printers, LB_GETTEXT, selected, reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

// Shows the state of the printer selected in the list.
void ShowSelectedState(HWND window) {
    const std::string printer = SelectedPrinter(window);
    const auto& states = State(window)->printerStates;
    const auto found = states.find(printer);
    const std::string text =
        printer.empty() ? "" : "State: " + (found != states.end() ? found->second : "not known");
    SetWindowTextA(Control(window, kCompanionState), text.c_str());
}

void OnRefresh(HWND window) {
    const std::optional<std::vector<std::string>> sites = ReadSitesFile(SitesFile());
    if (!sites) {
        Log(window, "Cannot read " + SitesFile());
        return;
    }
    if (sites->empty())
        Log(window, "No remote sites: add them with Set remote printers in Spoolwright");
    CompanionState* state = State(window);
    ++state->generation;
    state->sites.clear();
    for (const std::string& entry : *sites) {
        // The address alone is the site: its options do not name its printers.
        const std::string site = SiteOfEntry(entry);
        const bool known =
            std::any_of(state->sites.begin(), state->sites.end(),
                        [&](const ListedSite& listed) { return listed.site == site; });
        if (!site.empty() && !known)
            state->sites.push_back(ListedSite{site, {}, false});
    }
    SendMessageA(Control(window, kCompanionPrinterList), LB_RESETCONTENT, 0, 0);
    state->printerStates.clear();
    if (state->sites.empty()) {
        Log(window, "Listed 0 remote printers");
        state->listed = true;
        return;
    }
    // Each site is listed on its own queue; the list keeps the file's order.
    for (std::size_t slot = 0; slot < state->sites.size(); ++slot)
        state->worker->ListSite(state->sites[slot].site, slot, state->generation);
    SetTimer(window, kListingTimer, kListingPatienceMs, nullptr);
}

void OnCreate(HWND window) {
    auto* state = new CompanionState;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    for (std::size_t i = 0; i < kCompanionFieldCount; ++i)
        state->messages[i] = RegisterWindowMessageA(kCompanionMessageNames[i]);

    AddChild(window, "STATIC", "Remote printers (site:printer)", SS_LEFT, -1, 8, 8, 260, 16);
    AddChild(window, "LISTBOX", "",
             LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL | WS_BORDER | WS_TABSTOP,
             kCompanionPrinterList, 8, 26, 260, 140);
    SendMessageA(Control(window, kCompanionPrinterList), LB_SETHORIZONTALEXTENT, 1200, 0);
    AddChild(window, "BUTTON", "&Refresh", BS_PUSHBUTTON | WS_TABSTOP, kCompanionRefresh, 8, 170,
             80, 24);
    AddChild(window, "STATIC", "", SS_LEFT | SS_NOPREFIX, kCompanionState, 96, 170, 172, 40);
    for (int i = 0; i < 8; ++i) {
        AddChild(window, "STATIC", kValueLabels[i], SS_LEFT, -1, 280, 8 + 24 * i, 90, 16);
        AddChild(window, "EDIT", "", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP,
                 kCompanionFirstValue + i, 372, 6 + 24 * i, 120, 20);
    }
    AddChild(window, "BUTTON", "&Print", BS_PUSHBUTTON | WS_TABSTOP, kCompanionPrint, 280, 202, 212,
             24);
    KeepPrintButtonCaption(Control(window, kCompanionPrint));
    AddChild(window, "EDIT", "",
             ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_BORDER, kCompanionLog, 8,
             236, 484, 120);

    state->worker = std::make_unique<JobWorker>(window);
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

// Tells the main program what became of a print it asked for, on a message
// of its own apart from the announcements; a main window that does not take
// it in time (an older one, or one not waiting) is not waited for.
void AnswerMainWindow(HWND window, const JobOutcomeNote& note) {
    HWND main = State(window)->announcedTo;
    if (main == nullptr || !IsWindow(main))
        main = FindMainWindow();
    if (main == nullptr)
        return;
    const std::string text = JobOutcomeText(note);
    COPYDATASTRUCT data = {};
    data.dwData = kJobOutcomeCopyData;
    data.cbData = static_cast<DWORD>(text.size() + 1);
    data.lpData = const_cast<char*>(text.c_str());
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(main, WM_COPYDATA, reinterpret_cast<WPARAM>(window),
                        reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, kAnnounceTimeoutMs,
                        &ignored);
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
    texts.printer = SelectedPrinter(window);
    texts.file = PrintButtonFile(Control(window, kCompanionPrint));
    std::string* values[] = {&texts.copies,      &texts.autoFormfeed, &texts.orientation,
                             &texts.printMethod, &texts.bitmapLeft,   &texts.bitmapTop,
                             &texts.bitmapWidth, &texts.bitmapHeight};
    for (int i = 0; i < 8; ++i)
        *values[i] = ControlText(Control(window, kCompanionFirstValue + i));
    ShowSelectedState(window);

    const RemoteJobCheck check = CheckRemoteJob(texts);
    if (!check.job) {
        Log(window,
            "Not printed: " + check.problem + " (error " + std::to_string(kOutcomeBadJob) + ")");
        ComeForward(window);
        AnswerMainWindow(window, JobOutcomeNote{kOutcomeBadJob, texts.printer, texts.file});
        return;
    }
    if (State(window)->worker->Print(*check.job))
        Log(window, check.job->file + " waits: " + check.job->site +
                        " has not yet answered what was sent to it before");
}

// The sites that have not answered yet are said to be waited for, and the
// controls are announced with the printers listed so far.
void OnListingPatienceOver(HWND window) {
    KillTimer(window, kListingTimer);
    CompanionState* state = State(window);
    for (const ListedSite& site : state->sites) {
        if (!site.answered)
            Log(window,
                "Waiting for " + site.site + " to answer; its printers are listed once it does");
    }
    state->listed = true;
    OnWatch(window);
}

// Puts a site's printers in its place in the list, after those of the sites
// before it in the file, in place of what it gave before.
void PlaceListing(HWND window, const WorkerResult& result) {
    CompanionState* state = State(window);
    if (result.generation != state->generation || result.slot >= state->sites.size())
        return; // an answer to a listing round that a refresh has replaced
    HWND printers = Control(window, kCompanionPrinterList);
    std::size_t at = 0;
    for (std::size_t slot = 0; slot < result.slot; ++slot)
        at += state->sites[slot].entries.size();
    ListedSite& site = state->sites[result.slot];
    for (std::size_t i = 0; i < site.entries.size(); ++i)
        SendMessageA(printers, LB_DELETESTRING, at, 0);
    site.entries = result.printers;
    for (std::size_t i = 0; i < site.entries.size(); ++i)
        SendMessageA(printers, LB_INSERTSTRING, at + i,
                     reinterpret_cast<LPARAM>(site.entries[i].c_str()));
    const bool again = site.answered;
    site.answered = true;
    if (again) {
        Log(window, "Listed " + std::to_string(site.entries.size()) + " more remote printers");
        return;
    }
    if (std::any_of(state->sites.begin(), state->sites.end(),
                    [](const ListedSite& listed) { return !listed.answered; }))
        return;
    std::size_t total = 0;
    for (const ListedSite& listed : state->sites)
        total += listed.entries.size();
    Log(window, "Listed " + std::to_string(total) + " remote printers");
    KillTimer(window, kListingTimer);
    state->listed = true;
    OnWatch(window);
}

// A job given up for want of a sign-in has ended: the main program is told.
void EndSignedOutJob(HWND window, const SignInRequest& request, std::uint32_t code) {
    if (!request.listing)
        AnswerMainWindow(window, JobEnd(request.job, code));
}

// Asks for the sign-ins the sites asked for, one dialog at a time; a
// sign-in given is kept in the credential store and the task runs again.
void AskPendingSignIns(HWND window) {
    CompanionState* state = State(window);
    if (state->askingSignIn)
        return;
    state->askingSignIn = true;
    while (!state->signIns.empty()) {
        const SignInRequest request = state->signIns.front();
        state->signIns.pop_front();
        const std::string what =
            request.listing
                ? "Printers of " + request.site + " not listed"
                : "Not printed on " + RemotePrinterItem(request.job.site, request.job.printer);
        Log(window, what + ": " + request.reason);
        if (request.round >= kSignInRounds) {
            Log(window, what + ": given up after " + std::to_string(kSignInRounds) + " sign-ins");
            EndSignedOutJob(window, request, static_cast<std::uint32_t>(kSignInRefusedCode));
            continue;
        }
        ComeForward(window);
        const std::optional<SiteCredential> answer =
            AskForSignIn(window, SignInPrompt{request.site, request.reason, request.user});
        // The window may have been closed while the dialog was open.
        if (!IsWindow(window) || State(window) != state)
            return;
        if (!answer) {
            Log(window,
                what + ": no sign-in was given (error " + std::to_string(ERROR_CANCELLED) + ")");
            EndSignedOutJob(window, request, ERROR_CANCELLED);
            continue;
        }
        if (!WriteSiteCredential(request.target, *answer)) {
            const DWORD error = GetLastError();
            Log(window, what + ": the sign-in cannot be kept in the credential store (error " +
                            std::to_string(error) + ")");
            EndSignedOutJob(window, request, error);
            continue;
        }
        Log(window, "The sign-in of " + AnsiFromWide(answer->user) + " for " + request.site +
                        " is kept in the credential store");
        if (request.listing)
            state->worker->ListSite(request.site, request.slot, request.generation,
                                    request.round + 1);
        else
            state->worker->Print(request.job, request.round + 1);
    }
    state->askingSignIn = false;
}

void OnWorkerResult(HWND window, LPARAM lParam) {
    std::unique_ptr<WorkerResult> result(TakeWorkerResult(lParam));
    CompanionState* state = State(window);
    for (const auto& entry : result->states)
        state->printerStates[entry.first] = entry.second;
    ShowSelectedState(window);
    for (const std::string& message : result->messages)
        Log(window, message);
    if (result->listing)
        PlaceListing(window, *result);
    if (result->failed)
        ComeForward(window);
    if (result->outcome)
        AnswerMainWindow(window, *result->outcome);
    state->signIns.insert(state->signIns.end(), result->signIns.begin(), result->signIns.end());
    AskPendingSignIns(window);
}

void OnCommand(HWND window, int id, int code) {
    switch (id) {
    case kCompanionRefresh:
        OnRefresh(window);
        break;
    case kCompanionPrinterList:
        if (code == LBN_SELCHANGE)
            ShowSelectedState(window);
        break;
    case kCompanionPrint:
        if (code == BN_CLICKED)
            OnPrint(window);
        break;
    }
}

void OnDestroy(HWND window) {
    KillTimer(window, kWatchTimer);
    KillTimer(window, kListingTimer);
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
        else if (wParam == kListingTimer)
            OnListingPatienceOver(window);
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

bool BringRunningCompanionForward(DWORD waitMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        HWND running = FindWindowA(kCompanionClass, kCompanionTitle);
        if (running != nullptr) {
            if (IsIconic(running) || !IsWindowVisible(running))
                ShowWindow(running, SW_RESTORE);
            SetForegroundWindow(running);
            return true;
        }
        if (GetTickCount() - start >= waitMs)
            return false;
        Sleep(50);
    }
}

} // namespace sw
