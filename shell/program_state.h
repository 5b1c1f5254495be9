// The process-wide state of swutil.exe, in one place, owned by the program:
// what the user chose, what the start-up found, the companion's controls,
// the main window's handles and timers, dial-up, and the copies count the
// copies dialog remembers. Only the shell reads and writes it; what the
// parts below need of it they are given as arguments (the print route's
// PrintContext). The program runs on one thread, so it is unguarded.
#pragma once

#include "printroute/print_route.h"
#include "remote/dial_up.h"
#include "settings/remembered_copies.h"

#include <windows.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace sw {

// Printer names and paths are kept to this many characters where they persist.
inline constexpr std::size_t kStateTextLimit = kStoredNameLimit;

// One handle for each of the ten messages the companion announces its
// controls with.
inline constexpr std::size_t kCompanionHandleCount = kCompanionFieldCount;

struct ProgramState {
    std::string SelectedFile;   // the file the user selected
    std::string CurrentPrinter; // the printer the next print goes to
    std::string PassedPrinter;  // the printer named on the command line
    // -1: the next Select or Print first asks which installed printer stands
    // for PassedPrinter; 0 otherwise.
    std::int16_t AskAssociation = 0;
    // -1 when the command line already printed and the program closes at once.
    std::int16_t StartupOutcome = 0;
    // A print to a remote printer waits for the companion to announce its
    // controls; a command-line print closes the program once it is handed over.
    bool RemotePrintPending = false;
    bool CloseAfterRemotePrint = false;
    // The second start that handed over the pending remote print and waits
    // for its result; null when none waits.
    HWND HandedPrintAsker = nullptr;
    // The exit code of a start that printed from its command line: 0 when the
    // print was handed on whole, else the system error code of what failed.
    std::int32_t ExitCode = 0;

    // The companion's controls as last announced, in the order of its
    // messages; 0 for a control not announced yet.
    CompanionControls CompanionHandles = {};

    // The main window, its menu and children, and the program's instance.
    HINSTANCE ProgramInstance = nullptr;
    HWND MainWindow = nullptr;
    HMENU MainMenu = nullptr;
    HWND PrinterListBox = nullptr;
    HWND StatusBar = nullptr;
    HWND ToolBar = nullptr;
    HBITMAP ToolBarBitmap = nullptr;
    HWND UnattendedIndicator = nullptr;

    // The window-less timers: unattended printing's while it is on, and the
    // one-shot look for the companion after starting it; 0 when not running.
    UINT_PTR UnattendedTimer = 0;
    UINT_PTR CompanionPollTimer = 0;

    // What the dialogs remember between openings.
    RememberedCopiesSetting RememberedCopies;

    // The remote access library, and whether a web link dialed (the main
    // window hangs up at exit).
    DialUpState DialUp;
};

// The program's state.
ProgramState& Program();

// The state of a program that has just started; for tests, which share one
// process between many cases.
void ResetProgramState();

// The text of the printer selected in PrinterListBox; empty when none is.
std::string SelectedListPrinter();

} // namespace sw
