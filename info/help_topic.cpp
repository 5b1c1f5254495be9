#include "info/help_topic.h"

#include "common/long_path.h"
#include "common/path_helpers.h"
#include "common/program_folder.h"
#include "info/help_pages.h"

#include <shellapi.h>

#include <cstdio>
#include <vector>

namespace sw {
namespace {

std::string WindowsFolder() {
    char windows[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryA(windows, MAX_PATH);
    return length > 0 && length < MAX_PATH ? AddTrailingBackslash(windows) : std::string();
}

// Where the viewer finds a help file given by its bare name.
bool IsInViewersFolders(const char* name) {
    const std::string windows = WindowsFolder();
    return IsFile(name) || (!windows.empty() && IsFile(windows + name));
}

// The file description in the program's version resource; empty when it has none.
std::string FileDescription(const std::string& program) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(program.c_str(), &ignored);
    if (size == 0)
        return std::string();
    std::vector<char> data(size);
    if (!GetFileVersionInfoA(program.c_str(), 0, size, data.data()))
        return std::string();
    struct Translation {
        WORD language;
        WORD codePage;
    }* translation = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(data.data(), "\\VarFileInfo\\Translation",
                        reinterpret_cast<void**>(&translation), &length) ||
        length < sizeof(Translation))
        return std::string();
    char key[64] = {};
    std::snprintf(key, sizeof(key), "\\StringFileInfo\\%04x%04x\\FileDescription",
                  translation->language, translation->codePage);
    char* text = nullptr;
    if (!VerQueryValueA(data.data(), key, reinterpret_cast<void**>(&text), &length) ||
        text == nullptr)
        return std::string();
    return std::string(text);
}

} // namespace

std::string HelpFilePath() {
    // Beside the program, so that a start from another folder (Send To, a
    // command line) finds it too.
    const std::string folder = ProgramFolder();
    const std::string beside = folder + kHelpFileName;
    return !folder.empty() && IsFile(beside) ? beside : kHelpFileName;
}

std::string HelpPagePath(unsigned context) {
    const char* name = HelpContextName(context);
    if (name == nullptr)
        return std::string();
    return ProgramFolder() + kHelpPagesFolder + "\\" + HelpPageName(name);
}

bool HasWinHelpViewer() {
    // The viewer is in the Windows folder on Windows, in the system folder
    // under some other implementations. Windows Vista and later keep a
    // "winhlp32.exe" that only explains that the viewer is missing; its
    // version resource calls it a stub.
    char system[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryA(system, MAX_PATH);
    const std::string systemFolder =
        length > 0 && length < MAX_PATH ? AddTrailingBackslash(system) : std::string();
    for (const std::string& folder : {WindowsFolder(), systemFolder}) {
        const std::string viewer = folder + "winhlp32.exe";
        if (folder.empty() || !IsFile(viewer))
            continue;
        const std::string description = FileDescription(viewer);
        return description.find("Stub") == std::string::npos &&
               description.find("stub") == std::string::npos;
    }
    return false;
}

void ShowHelpTopic(HWND owner, unsigned context) {
    if (HasWinHelpViewer()) {
        const std::string path = HelpFilePath();
        if (path == kHelpFileName && !IsInViewersFolders(kHelpFileName))
            return;
        WinHelpA(owner, path.c_str(), HELP_CONTEXT, context);
        return;
    }
    const std::string page = HelpPagePath(context);
    if (page.empty() || !IsFile(page))
        return;
    ShellExecuteA(owner, "open", page.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

} // namespace sw
