// The word processor runs on its own; the printer it prints on is the system
// default, so the target printer is made the default until it has ended.
#include "wordprint/application_print.h"

#include "common/find_word_pad.h"
#include "common/library_text.h"
#include "common/print_to_verb.h"
#include "common/program_process.h"
#include "common/word_pad_rules.h"
#include "printengine/swprint.h"
#include "settings/setting_names.h"
#include "settings/settings_store.h"
#include "wordprint/key_player.h"
#include "wordprint/print_macro.h"

#include <windows.h>

namespace sw {
namespace {

constexpr std::size_t kPrinterLimit = 79;
constexpr DWORD kProgramRunLimitMs = 120000;
constexpr DWORD kWindowWaitMs = 15000;
constexpr std::int32_t kNotPrinted = -2;

bool RunToEnd(const std::string& commandLine, int showState) {
    const ProgramProcess process(commandLine, showState);
    return process.Started() && process.WaitForEnd(kProgramRunLimitMs);
}

struct TopWindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindVisibleTopWindow(HWND window, LPARAM argument) {
    auto* search = reinterpret_cast<TopWindowSearch*>(argument);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window) ||
        GetWindow(window, GW_OWNER) != nullptr)
        return TRUE;
    search->found = window;
    return FALSE;
}

// The process's main window once it has the keyboard focus; null when that
// does not happen in time.
HWND WaitForFocusedWindow(const ProgramProcess& process) {
    const DWORD start = GetTickCount();
    TopWindowSearch search{process.Id(), nullptr};
    while (GetTickCount() - start < kWindowWaitMs) {
        if (!process.IsRunning())
            return nullptr;
        if (search.found == nullptr)
            EnumWindows(FindVisibleTopWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) {
            if (GetForegroundWindow() == search.found)
                return search.found;
            SetForegroundWindow(search.found);
        }
        Sleep(50);
    }
    return nullptr;
}

std::int32_t PrintWithWordPad(const std::string& program, std::string_view file) {
    return RunToEnd(WordPadPrintCommand(program, file), SW_SHOWNORMAL) ? 0 : kNotPrinted;
}

std::int32_t PrintWithMacro(const std::string& program, std::string_view file) {
    const std::string settings = SettingsFilePath();
    if (ReadSettingNumber(settings, kWordDocumentsSection, kMacroAddedKey) == 0) {
        if (!InstallPrintMacro(program))
            return kNotPrinted;
        WriteSetting(settings, kWordDocumentsSection, kMacroAddedKey, "1");
    }
    const std::string command =
        Quoted(program) + " " + Quoted(file) + " /m" + std::string(kPrintMacroName);
    return RunToEnd(command, SW_SHOWMINNOACTIVE) ? 0 : kNotPrinted;
}

} // namespace

std::int16_t LaunchProgram(std::string_view commandLine, std::int16_t showState) {
    return ProgramProcess(std::string(commandLine), showState).Started() ? -1 : 0;
}

bool InstallPrintMacro(std::string_view programPath) {
    // Shown normally: the keys go to the focused window.
    const ProgramProcess process(Quoted(programPath), SW_SHOWNORMAL);
    if (!process.Started())
        return false;
    const bool focused = WaitForFocusedWindow(process) != nullptr;
    if (focused) {
        for (const std::string& script : PrintMacroScripts())
            SendKeyScript(script);
        process.WaitForEnd(kWindowWaitMs);
    }
    return focused;
}

std::int32_t PrintWithApplication(std::string_view printer, std::string_view file) {
    const std::string previous = TakeLibraryText(DefaultPrinter()).substr(0, kPrinterLimit);
    const std::string target = std::string(printer.substr(0, kPrinterLimit));
    const std::string program = FindWordPad();
    // Without WordPad or another word processor, the document's own
    // application prints it, told the printer by name.
    if (program.empty())
        return PrintWithPrintToVerb(std::string(printer), std::string(file), kProgramRunLimitMs);
    SetDefaultPrinter(target.c_str());
    const std::int32_t result =
        IsWordPadProgram(program) ? PrintWithWordPad(program, file) : PrintWithMacro(program, file);
    SetDefaultPrinter(previous.c_str());
    return result;
}

} // namespace sw
