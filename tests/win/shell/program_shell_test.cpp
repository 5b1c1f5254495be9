// swutil.exe as built: it starts with its main window and menu, its Options
// commands open the settings dialogs for the default printer, and it ends
// when its window is closed.
#include "printengine/swprint.h"
#include "resources/resource.h"
#include "support/ole_text.h"
#include "support/settings_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

namespace {

// Waits for a condition in another process; the bound only guards a hang.
bool WaitFor(const std::function<bool()>& condition) {
    for (int tries = 0; tries < 600; ++tries) {
        if (condition())
            return true;
        Sleep(50);
    }
    return false;
}

std::string WindowsPathOf(std::string unixPath) {
    for (char& c : unixPath)
        if (c == '/')
            c = '\\';
    return "Z:" + unixPath;
}

std::string MenuText(HMENU menu, UINT command) {
    char text[256] = {};
    GetMenuStringA(menu, command, text, sizeof(text), MF_BYCOMMAND);
    return text;
}

// The program, started for one test and ended with it.
class Program {
  public:
    Program() {
        const char* program = std::getenv("SW_SWUTIL");
        if (program == nullptr) {
            ADD_FAILURE() << "SW_SWUTIL is not set: run the tests through ctest";
            return;
        }
        std::string commandLine = "\"" + WindowsPathOf(program) + "\"";
        STARTUPINFOA startup = {};
        startup.cb = sizeof(startup);
        if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process_)) {
            ADD_FAILURE() << "cannot start " << commandLine << ", error " << GetLastError();
        }
    }
    ~Program() {
        if (process_.hProcess == nullptr)
            return;
        if (WaitForSingleObject(process_.hProcess, 20000) != WAIT_OBJECT_0)
            TerminateProcess(process_.hProcess, 1);
        CloseHandle(process_.hProcess);
        CloseHandle(process_.hThread);
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    HANDLE Handle() const { return process_.hProcess; }

  private:
    PROCESS_INFORMATION process_ = {};
};

class ProgramShell : public swtest::FreshSettingsTest {};

// The program's menu resource, which the tests link as the program does (the
// menu of another process cannot be read under Wine).
TEST(ProgramResources, MainMenuNamesTheSettingsCommands) {
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), "MAINMENU");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(MenuText(menu, IDM_BYPASS_EXCEPTIONS), "Print As &Word document");
    EXPECT_EQ(MenuText(menu, IDM_AUTO_FORMFEED), "&Auto Formfeed");
    EXPECT_EQ(MenuText(menu, IDM_ORIENTATION), "&Orientation");
    EXPECT_EQ(MenuText(menu, IDM_COPIES), "&Number of Copies");
    EXPECT_EQ(MenuText(menu, IDM_BITMAP), "&Bitmap printing");
    EXPECT_EQ(MenuText(menu, IDM_ADD_PRINTER), "Add Fileprinter");
    DestroyMenu(menu);
}

TEST_F(ProgramShell, OptionsCommandOpensTheFormfeedDialogForTheDefaultPrinter) {
    const std::string defaultPrinter = swtest::TakeOleText(DefaultPrinter());
    Program program;
    HWND window = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        window = FindWindowA("SpoolwrightFarreach", "Spoolwright Farreach Utility");
        return window != nullptr && IsWindowVisible(window);
    })) << "no main window";

    PostMessageA(window, WM_COMMAND, IDM_AUTO_FORMFEED, 0);
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        dialog = FindWindowA("#32770", "Auto Formfeed Option");
        return dialog != nullptr;
    })) << "no formfeed dialog";
    // The dialog is found as soon as it exists, before it has filled itself in.
    char printer[256] = {};
    WaitFor([&] {
        SendMessageA(GetDlgItem(dialog, IDC_FEED_PRINTER), WM_GETTEXT, sizeof(printer),
                     reinterpret_cast<LPARAM>(printer));
        return printer[0] != '\0' && IsWindowVisible(dialog);
    });
    EXPECT_EQ(printer, defaultPrinter);

    SendMessageA(GetDlgItem(dialog, IDC_FEED_ON), BM_CLICK, 0, 0);
    PostMessageA(GetDlgItem(dialog, IDC_FEED_RETURN), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(dialog); })) << "the dialog stayed open";
    EXPECT_EQ(swtest::Stored("Printers AutoFormfeed", defaultPrinter), "1");

    PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_EQ(WaitForSingleObject(program.Handle(), 20000), WAIT_OBJECT_0) << "still running";
    DWORD exitCode = 1;
    GetExitCodeProcess(program.Handle(), &exitCode);
    EXPECT_EQ(exitCode, 0u);
}

TEST_F(ProgramShell, CopiesCommandDoesNothingWithoutASelectedFile) {
    Program program;
    HWND window = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        window = FindWindowA("SpoolwrightFarreach", "Spoolwright Farreach Utility");
        return window != nullptr && IsWindowVisible(window);
    }));
    // Posted messages are handled in order: once the orientation dialog of
    // the second command is up, the copies command has been handled.
    PostMessageA(window, WM_COMMAND, IDM_COPIES, 0);
    PostMessageA(window, WM_COMMAND, IDM_ORIENTATION, 0);
    ASSERT_TRUE(WaitFor([] { return FindWindowA("#32770", "Orientation") != nullptr; }));
    EXPECT_EQ(FindWindowA("#32770", "Number of Copies"), nullptr);
    PostMessageA(FindWindowA("#32770", "Orientation"), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(WaitFor([] { return FindWindowA("#32770", "Orientation") == nullptr; }));
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(program.Handle(), 20000), WAIT_OBJECT_0);
}

} // namespace
