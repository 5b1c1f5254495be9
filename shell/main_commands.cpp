#include "shell/main_commands.h"

#include "common/file_selection.h"
#include "common/message_captions.h"
#include "common/path_helpers.h"
#include "common/program_folder.h"
#include "common/program_process.h"
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
#include "shell/program_state.h"
#include "shell/shutdown.h"
#include "shell/unattended_command.h"
#include "unattended/data_files.h"
#include "unattended/unattended_printing.h"

#include <shellapi.h>

#include <string>
#include <vector>

namespace sw {
namespace {

constexpr UINT kCompanionPollMs = 100;
constexpr int kCompanionPolls = 100;

// The main program's own remembered file type for the Select dialog.
FileFilterState fileSelection;

// The chosen file becomes the selection, whole; false when the user
// cancelled, which keeps the file selected before.
bool SelectFileToPrint() {
    std::string chosen = SelectFileWithFilters(fileSelection);
    if (chosen.empty())
        return false;
    Program().SelectedFile = std::move(chosen);
    return true;
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
    // A cancelled dialog prints nothing and keeps the earlier selection.
    if (Program().AskAssociation == 0 && !SelectFileToPrint())
        return;
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
        MessageBoxA(window, "Remote printers can not be set as default", kProgramCaption, MB_OK);
        return;
    }
    SetDefaultPrinter(printer.c_str());
}

// The printers folder, waited for as a modal step.
void OnAddPrinter() {
    const ProgramProcess folder("rundll32.exe shell32.dll,SHHelpShortcuts_RunDLL PrintersFolder",
                                SW_SHOWNORMAL);
    if (folder.Started())
        folder.WaitUntilEnded();
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

// Copies belong to a file: without a file selected there is nothing to set.
void OnCopies(HWND window) {
    const std::string file = Program().SelectedFile;
    if (file.empty() || !TakeSelectedPrinter())
        return;
    ShowCopiesDialog(window, file, Program().CurrentPrinter, Program().RememberedCopies);
}

void OnHelp(HWND window) {
    ShowHelpTopic(window, kHelpContents);
}

// The log is opened even before the first unattended event: an empty one is
// made, so that the command always shows something.
void OnEventLog() {
    const std::string log = EventLogPath();
    const HANDLE file = CreateFileA(log.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    ShellExecuteA(nullptr, nullptr, log.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
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
        ShowBitmapPlacementDialog(window, SelectedListPrinter());
        break;
    case IDM_HELP:
        OnHelp(window);
        break;
    case IDM_REFRESH:
        RefreshPrinterList();
        break;
    case IDM_SCHEDULE:
        SetScheduleTestTurn(WindowMayPrintUnattended, EndScheduleTest);
        ShowScheduleDialog(window, Program().PrinterListBox, ProgramPrintContext());
        break;
    case IDM_NEXT_EVENTS:
        ShowNextEventsDialog(window);
        break;
    case IDM_EVENT_LOG:
        OnEventLog();
        break;
    case IDM_UNATTENDED:
        OnPrintUnattended(window);
        break;
    case IDM_WEB:
        OpenWebLink(1, Program().DialUp);
        break;
    case IDM_ABOUT:
        ShowAboutBox(window, Program().DialUp);
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
