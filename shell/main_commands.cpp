#include "shell/main_commands.h"

#include "common/file_selection.h"
#include "common/path_helpers.h"
#include "common/program_folder.h"
#include "common/program_state.h"
#include "info/about_box.h"
#include "info/driver_download_dialog.h"
#include "info/help_topic.h"
#include "info/web_links.h"
#include "printengine/swprint.h"
#include "printroute/remote_print.h"
#include "remote/remote_sites_dialog.h"
#include "resources/resource.h"
#include "settings/association_dialog.h"
#include "settings/bitmap_placement_dialog.h"
#include "settings/bypass_patterns_dialog.h"
#include "settings/copies_dialog.h"
#include "settings/formfeed_dialog.h"
#include "settings/orientation_dialog.h"
#include "settings/setting_names.h"
#include "settings/settings_store.h"
#include "shell/command_line_processing.h"
#include "shell/companion.h"
#include "shell/main_window_layout.h"
#include "shell/print_dispatch.h"
#include "shell/printer_list.h"
#include "shell/shutdown.h"
#include "unattended/data_files.h"
#include "unattended/unattended_printing.h"

#include <commctrl.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace sw {
namespace {

constexpr UINT kCompanionPollMs = 100;
constexpr int kCompanionPolls = 100;

// The main program's own remembered file type for the Select dialog.
FileFilterState fileSelection;

void SelectFileToPrint() {
    Program().SelectedFile = SelectFileWithFilters(fileSelection).substr(0, kStateTextLimit);
}

// The user says which installed printer stands for the printer named on the
// command line; the print then goes to it.
void AskForAssociation(HWND window) {
    ShowAssociationDialog(window, Program().PassedPrinter);
    Program().CurrentPrinter =
        ReadSetting(SettingsFilePath(), kPrinterAssociationsSection, Program().PassedPrinter)
            .substr(0, kStateTextLimit);
    SelectPrinterByName(Program().CurrentPrinter);
}

void OnSelect(HWND window) {
    if (Program().AskAssociation == 0)
        SelectFileToPrint();
    ShowSelectedFile();
    if (Program().AskAssociation == -1)
        AskForAssociation(window);
    PrintSelection();
    Program().AskAssociation = 0;
}

void OnPrint(HWND window) {
    if (Program().AskAssociation == -1)
        AskForAssociation(window);
    PrintSelection();
}

void OnSetDefaultPrinter(HWND window) {
    const std::string printer = SelectedListPrinter();
    if (printer.empty())
        return;
    if (IsRemotePrinter(printer)) {
        MessageBoxA(window, "Remote printers can not be set as default", "Spoolwright Farreach",
                    MB_OK);
        return;
    }
    SetDefaultPrinter(printer.c_str());
}

// The printers folder, waited for as a modal step.
void OnAddPrinter() {
    std::string commandLine = "rundll32.exe shell32.dll,SHHelpShortcuts_RunDLL PrintersFolder";
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return;
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

// Polls until the started companion's window appears (or a while has
// passed), so that the menu check is set as soon as it runs.
void CALLBACK OnCompanionPoll(HWND, UINT, UINT_PTR timer, DWORD) {
    static int polls = 0;
    const bool running = UpdateCompanionMenuItem(Program().MainMenu);
    if (running || ++polls >= kCompanionPolls) {
        polls = 0;
        KillTimer(nullptr, timer);
        Program().CompanionPollTimer = 0;
    }
}

void OnCompanion() {
    if (UpdateCompanionMenuItem(Program().MainMenu))
        return;
    const std::string companion = CompanionProgramPath();
    LaunchCompanion(FileNamePart(companion), "", FolderPart(companion));
    if (Program().CompanionPollTimer == 0)
        Program().CompanionPollTimer = SetTimer(nullptr, 0, kCompanionPollMs, OnCompanionPoll);
}

// The per-printer dialogs work on the printer selected in the list; with
// none selected there is no printer whose settings they could show.
bool TakeSelectedPrinter() {
    const std::string printer = SelectedListPrinter();
    if (printer.empty())
        return false;
    Program().CurrentPrinter = printer.substr(0, kStateTextLimit);
    return true;
}

void OnAutoFormfeed(HWND window) {
    if (TakeSelectedPrinter())
        ShowAutoFormfeedDialog(window, Program().CurrentPrinter);
}

void OnOrientation(HWND window) {
    if (TakeSelectedPrinter())
        ShowOrientationDialog(window, Program().CurrentPrinter);
}

std::string StatusBarFile() {
    char text[kStateTextLimit + 1] = {};
    const LRESULT length = SendMessageA(Program().StatusBar, SB_GETTEXTLENGTHA, 0, 0);
    if (LOWORD(length) > kStateTextLimit)
        return std::string();
    SendMessageA(Program().StatusBar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
    return text;
}

// Copies belong to a file: without a file shown there is nothing to set.
void OnCopies(HWND window) {
    const std::string file = StatusBarFile();
    if (file.empty() || !TakeSelectedPrinter())
        return;
    ShowCopiesDialog(window, file, Program().CurrentPrinter, Program().RememberedCopies);
}

void OnHelp(HWND window) {
    ShowHelpTopic(window, kHelpContents);
}

} // namespace

void OnCommand(HWND window, int command) {
    switch (command) {
    case IDM_SELECT:
        OnSelect(window);
        break;
    case IDM_EXIT:
        DestroyWindow(window);
        break;
    case IDM_PRINT:
        OnPrint(window);
        break;
    case IDM_SET_DEFAULT:
        OnSetDefaultPrinter(window);
        break;
    case IDM_ADD_PRINTER:
        OnAddPrinter();
        break;
    case IDM_COMPANION:
        OnCompanion();
        break;
    case IDM_CANCEL_JOBS:
        CancelPrintJobs();
        break;
    case IDM_BYPASS_EXCEPTIONS:
        ShowBypassPatternsDialog(window);
        break;
    case IDM_AUTO_FORMFEED:
        OnAutoFormfeed(window);
        break;
    case IDM_ORIENTATION:
        OnOrientation(window);
        break;
    case IDM_COPIES:
        OnCopies(window);
        break;
    case IDM_BITMAP:
        ShowBitmapPlacementDialog();
        break;
    case IDM_HELP:
        OnHelp(window);
        break;
    case IDM_REFRESH:
        RefreshPrinterList();
        break;
    case IDM_SCHEDULE:
        ShowScheduleDialog(window);
        break;
    case IDM_NEXT_EVENTS:
        ShowNextEventsDialog(window);
        break;
    case IDM_EVENT_LOG:
        ShellExecuteA(nullptr, nullptr, EventLogPath().c_str(), nullptr, nullptr, SW_SHOWNORMAL);
        break;
    case IDM_UNATTENDED:
        ToggleUnattendedPrinting(Program().UnattendedIndicator);
        break;
    case IDM_WEB:
        OpenWebLink(1);
        break;
    case IDM_ABOUT:
        ShowAboutBox(window);
        break;
    case IDM_DRIVER_DOWNLOAD:
        ShowDriverDownloadDialog(window);
        break;
    case IDM_REMOTE_SITES:
        ShowRemoteSitesDialog(window);
        break;
    }
}

} // namespace sw
