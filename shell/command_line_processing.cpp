#include "shell/command_line_processing.h"

#include "common/library_text.h"
#include "common/long_path.h"
#include "common/path_helpers.h"
#include "common/program_folder.h"
#include "common/text_helpers.h"
#include "info/help_topic.h"
#include "printengine/swprint.h"
#include "printroute/remote_print.h"
#include "remote/remote_sites.h"
#include "remote/remote_sites_file.h"
#include "remote/site_address.h"
#include "settings/bypass_exceptions.h"
#include "settings/setting_names.h"
#include "settings/settings_store.h"
#include "shell/command_line.h"
#include "shell/companion.h"
#include "shell/print_dispatch.h"
#include "shell/program_state.h"
#include "shell/startup_lookups.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace sw {
namespace {

constexpr LONG kStartupFolder = 7;
constexpr LONG kSendToFolder = 9;
constexpr LONG kDesktopFolder = 16;

std::string LimitedState(std::string_view text) {
    return std::string(text.substr(0, kStateTextLimit));
}

bool RunsFromFloppy(const std::string& path) {
    const std::string drive = UpperCase(path.substr(0, 2));
    return drive == "A:" || drive == "B:";
}

void MakeShortcut(const std::string& target, const char* name, LONG folder) {
    const HWND noOwner = nullptr;
    CreateShortcut(&noOwner, target.c_str(), name, &folder);
}

// The program ends at once with `exitCode`: the print is done, or it cannot be.
std::int16_t EndWith(std::int32_t exitCode) {
    Program().ExitCode = exitCode;
    return -1;
}

// Only the companion lists remote printers, and only those of the sites in
// its sites file: for another site nobody would ever print.
bool CompanionCouldList(const std::string& printer) {
    const std::optional<std::vector<std::string>> sites = ReadSitesFile(RemoteSitesFile());
    // A file that cannot be read is left to the companion to judge.
    return !sites || IsPrinterOfListedSite(printer, UsableSites(*sites));
}

// Whether the text before a "{" is a printer the user has: installed, or
// associated with one.
bool IsKnownPrinter(const std::string& printer) {
    return IsInstalledPrinter(printer) ||
           !ReadSetting(SettingsFilePath(), kPrinterAssociationsSection, printer).empty();
}

} // namespace

void RunSetup(SetupRun run) {
    const std::string companion = CompanionProgramPath();
    if (!RunsFromFloppy(companion))
        MakeShortcut(companion, "SWRemote", kStartupFolder);
    // The program's own file: the desktop shortcut must start this program
    // wherever it was installed.
    MakeShortcut(ProgramPath(), "Spoolwright Farreach", kDesktopFolder);
    WriteDefaultBypassPatterns();
    if (run == SetupRun::Quiet) {
        // No window is made, and with it no Send To shortcut.
        MakeShortcut(ProgramPath(), "Spoolwright Farreach", kSendToFolder);
        return;
    }
    ShowHelpTopic(nullptr, kHelpSetUp);

    const LONG startup = kStartupFolder;
    const std::string startupShortcut =
        AddTrailingBackslash(TakeLibraryText(strWhereFolder(&startup))) + "SWRemote.lnk";
    if (GetFileAttributesA(startupShortcut.c_str()) != INVALID_FILE_ATTRIBUTES)
        LaunchCompanion(FileNamePart(companion), "", FolderPart(companion));
}

std::int16_t ProcessCommandLine(std::string_view commandLine,
                                const std::function<void(std::int32_t)>& forwardRemoteOutcome) {
    ProgramState& program = Program();
    program.CurrentPrinter = LimitedState(TakeLibraryText(DefaultPrinter()));
    const CommandLineRequest request =
        ReadBraceForm(SplitCommandLine(commandLine),
                      {[](const std::string& path) { return FileExists(path); }, IsKnownPrinter});
    if (request.kind == CommandLineRequest::Kind::SetupRun) {
        RunSetup(SetupRun::Full);
        return 0;
    }
    if (request.kind == CommandLineRequest::Kind::QuietSetupRun) {
        RunSetup(SetupRun::Quiet);
        return EndWith(0);
    }
    if (request.kind == CommandLineRequest::Kind::Empty)
        return 0;

    if (request.namesPrinter)
        program.CurrentPrinter = LimitedState(request.printer);
    // The path is kept whole: a cut one would name another file. One that
    // can name no file (a name longer than a file system takes, a path
    // longer than the system takes) or that names a device ends the start.
    switch (CheckFilePart(request.file, kLongestSystemPath)) {
    case FilePartProblem::TooLong:
        return EndWith(ERROR_FILENAME_EXCED_RANGE);
    case FilePartProblem::DeviceName:
        return EndWith(ERROR_INVALID_NAME);
    case FilePartProblem::None:
        break;
    }
    program.SelectedFile = request.file;
    if (!FileExists(program.SelectedFile))
        return 0;

    // A remote printer is the companion's, never an installed one: the print
    // waits until the companion has announced its controls to the window.
    if (IsRemotePrinter(program.CurrentPrinter)) {
        if (program.CompanionHandles[kCompanionPrintCommand] != nullptr) {
            const std::int32_t clicked = DispatchPrint(program.CurrentPrinter, program.SelectedFile,
                                                       false, forwardRemoteOutcome);
            if (clicked == 0 && forwardRemoteOutcome)
                return kRemoteOutcomeForwarded;
            return EndWith(clicked);
        }
        if (!IsCompanionRunning()) {
            if (!CompanionCouldList(program.CurrentPrinter))
                return EndWith(ERROR_INVALID_PRINTER_NAME);
            const std::string companion = CompanionProgramPath();
            LaunchCompanion(FileNamePart(companion), "", FolderPart(companion));
        }
        program.RemotePrintPending = true;
        return 0;
    }
    if (IsInstalledPrinter(program.CurrentPrinter))
        return EndWith(DispatchPrint(program.CurrentPrinter, program.SelectedFile));
    program.PassedPrinter = program.CurrentPrinter;
    program.CurrentPrinter = LimitedState(
        ReadSetting(SettingsFilePath(), kPrinterAssociationsSection, program.PassedPrinter));
    if (program.CurrentPrinter.empty()) {
        program.AskAssociation = -1;
        return 0;
    }
    return EndWith(DispatchPrint(program.CurrentPrinter, program.SelectedFile));
}

} // namespace sw
