#include "shell/command_line_processing.h"

#include "common/library_text.h"
#include "common/path_helpers.h"
#include "common/program_folder.h"
#include "common/program_state.h"
#include "common/text_helpers.h"
#include "info/help_topic.h"
#include "printengine/swprint.h"
#include "printroute/remote_print.h"
#include "settings/bypass_exceptions.h"
#include "settings/setting_names.h"
#include "settings/settings_store.h"
#include "shell/command_line.h"
#include "shell/companion.h"
#include "shell/print_dispatch.h"
#include "shell/startup_lookups.h"

#include <windows.h>

#include <string>

namespace sw {
namespace {

constexpr LONG kStartupFolder = 7;
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

} // namespace

void RunSetup() {
    const std::string companion = CompanionProgramPath();
    if (!RunsFromFloppy(companion))
        MakeShortcut(companion, "SWRemote", kStartupFolder);
    // The program's own file: the desktop shortcut must start this program
    // wherever it was installed.
    MakeShortcut(ProgramPath(), "Spoolwright Farreach", kDesktopFolder);
    WriteDefaultBypassPatterns();
    ShowHelpTopic(nullptr, kHelpSetUp);

    const LONG startup = kStartupFolder;
    const std::string startupShortcut =
        AddTrailingBackslash(TakeLibraryText(strWhereFolder(&startup))) + "SWRemote.lnk";
    if (GetFileAttributesA(startupShortcut.c_str()) != INVALID_FILE_ATTRIBUTES)
        LaunchCompanion(FileNamePart(companion), "", FolderPart(companion));
}

std::int16_t ProcessCommandLine(std::string_view commandLine) {
    ProgramState& program = Program();
    program.CurrentPrinter = LimitedState(TakeLibraryText(DefaultPrinter()));
    const CommandLineRequest request = SplitCommandLine(commandLine);
    if (request.kind == CommandLineRequest::Kind::SetupRun) {
        RunSetup();
        return 0;
    }
    if (request.kind == CommandLineRequest::Kind::Empty)
        return 0;

    if (request.namesPrinter)
        program.CurrentPrinter = LimitedState(request.printer);
    // The path is kept whole: a cut one would name another file. One that the
    // system cannot open is not found, and the window shows it instead.
    program.SelectedFile = request.file;
    if (!FileExists(program.SelectedFile))
        return 0;

    // A remote printer is the companion's, never an installed one: the print
    // waits until the companion has announced its controls to the window.
    if (IsRemotePrinter(program.CurrentPrinter)) {
        if (program.CompanionHandles[kCompanionPrintCommand] != nullptr) {
            DispatchPrint();
            return -1;
        }
        program.RemotePrintPending = true;
        if (!IsCompanionRunning()) {
            const std::string companion = CompanionProgramPath();
            LaunchCompanion(FileNamePart(companion), "", FolderPart(companion));
        }
        return 0;
    }
    if (IsInstalledPrinter(program.CurrentPrinter)) {
        DispatchPrint();
        return -1;
    }
    program.PassedPrinter = program.CurrentPrinter;
    program.CurrentPrinter = LimitedState(
        ReadSetting(SettingsFilePath(), kPrinterAssociationsSection, program.PassedPrinter));
    if (program.CurrentPrinter.empty()) {
        program.AskAssociation = -1;
        return 0;
    }
    DispatchPrint();
    return -1;
}

} // namespace sw
