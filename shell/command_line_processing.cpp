#include "shell/command_line_processing.h"

#include "common/path_helpers.h"
#include "common/text_helpers.h"
#include "printengine/swprint.h"
#include "settings/bypass_exceptions.h"
#include "settings/library_text.h"
#include "settings/setting_names.h"
#include "settings/settings_store.h"
#include "settings/startup_lookups.h"
#include "shell/command_line.h"
#include "shell/companion.h"
#include "shell/help_topic.h"
#include "shell/print_dispatch.h"
#include "shell/program_state.h"

#include <windows.h>

#include <string>

namespace sw {
namespace {

constexpr LONG kStartupFolder = 7;
constexpr LONG kDesktopFolder = 16;
constexpr DWORD kSetupHelpTopic = 10;

std::string LimitedState(std::string_view text) {
    return std::string(text.substr(0, kStateTextLimit));
}

std::string CompanionPath() {
    return AddTrailingBackslash(FolderPart(ProgramPath())) + kCompanionProgram;
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

std::string_view ProgramPath() {
    static const std::string path = [] {
        char buffer[MAX_PATH] = {};
        const DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
        return std::string(buffer, length < MAX_PATH ? length : 0);
    }();
    return path;
}

void RunSetup() {
    const std::string companion = CompanionPath();
    if (!RunsFromFloppy(companion))
        MakeShortcut(companion, "SWRemote", kStartupFolder);
    // The program's own file: the desktop shortcut must start this program
    // wherever it was installed.
    MakeShortcut(std::string(ProgramPath()), "Spoolwright Farreach", kDesktopFolder);
    WriteDefaultBypassPatterns();
    OpenHelpTopic(nullptr, kSetupHelpTopic);

    const LONG startup = kStartupFolder;
    const std::string startupShortcut =
        AddTrailingBackslash(TakeLibraryText(strWhereFolder(&startup))) + "SWRemote.lnk";
    if (GetFileAttributesA(startupShortcut.c_str()) != INVALID_FILE_ATTRIBUTES)
        LaunchCompanion(FileNamePart(companion), "", FolderPart(companion));
}

std::int16_t ProcessCommandLine(std::string_view commandLine) {
    CurrentPrinter = LimitedState(TakeLibraryText(DefaultPrinter()));
    const CommandLineRequest request = SplitCommandLine(commandLine);
    if (request.kind == CommandLineRequest::Kind::SetupRun) {
        RunSetup();
        return 0;
    }
    if (request.kind == CommandLineRequest::Kind::Empty)
        return 0;

    if (request.namesPrinter)
        CurrentPrinter = LimitedState(request.printer);
    // A path longer than the program keeps would name another file once cut.
    if (request.file.size() > kStateTextLimit)
        return 0;
    SelectedFile = request.file;
    if (!FileExists(SelectedFile))
        return 0;

    // A remote printer is the companion's, never an installed one: the print
    // waits until the companion has announced its controls to the window.
    if (IsRemotePrinter(CurrentPrinter.c_str())) {
        if (CompanionHandles[kCompanionPrintCommand] != nullptr) {
            DispatchPrint();
            return -1;
        }
        RemotePrintPending = true;
        if (!IsCompanionRunning()) {
            const std::string companion = CompanionPath();
            LaunchCompanion(FileNamePart(companion), "", FolderPart(companion));
        }
        return 0;
    }
    if (IsInstalledPrinter(CurrentPrinter)) {
        DispatchPrint();
        return -1;
    }
    PassedPrinter = CurrentPrinter;
    CurrentPrinter =
        LimitedState(ReadSetting(SettingsFilePath(), kPrinterAssociationsSection, PassedPrinter));
    if (CurrentPrinter.empty()) {
        AskAssociation = -1;
        return 0;
    }
    DispatchPrint();
    return -1;
}

} // namespace sw
