// swutil.exe as built: it starts with its main window and menu, its Options
// commands open the settings dialogs for the default printer, and it ends
// when its window is closed.
#include "printengine/swprint.h"
#include "resources/resource.h"
#include "support/ole_text.h"
#include "support/program_driver.h"
#include "support/settings_file.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string MenuText(HMENU menu, UINT command) {
    char text[256] = {};
    GetMenuStringA(menu, command, text, sizeof(text), MF_BYCOMMAND);
    return text;
}

class ProgramShell : public swtest::SettingsFileTest {};

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
    auto program = swtest::StartProgram("");
    HWND window = program.WaitForWindow("SpoolwrightFarreach", "Spoolwright Farreach Utility");
    ASSERT_NE(window, nullptr) << "no main window";

    swtest::PostCommand(window, IDM_AUTO_FORMFEED);
    HWND dialog = program.WaitForDialog("Auto Formfeed Option");
    ASSERT_NE(dialog, nullptr) << "no formfeed dialog";
    HWND printerField = GetDlgItem(dialog, IDC_FEED_PRINTER);
    std::string printer;
    swtest::WaitFor([&] { return !(printer = swtest::WindowText(printerField)).empty(); });
    EXPECT_EQ(printer, defaultPrinter);

    SendMessageA(GetDlgItem(dialog, IDC_FEED_ON), BM_CLICK, 0, 0);
    PostMessageA(GetDlgItem(dialog, IDC_FEED_RETURN), BM_CLICK, 0, 0);
    EXPECT_TRUE(swtest::WaitFor([&] { return !IsWindow(dialog); })) << "the dialog stayed open";
    EXPECT_EQ(swtest::Stored("Printers AutoFormfeed", defaultPrinter), "1");

    PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_NE(program.WaitForExit(20000), static_cast<DWORD>(STILL_ACTIVE)) << "still running";
    EXPECT_EQ(program.WaitForExit(0), 0u);
}

TEST_F(ProgramShell, CopiesCommandDoesNothingWithoutASelectedFile) {
    auto program = swtest::StartProgram("");
    HWND window = program.WaitForWindow("SpoolwrightFarreach", "Spoolwright Farreach Utility");
    ASSERT_NE(window, nullptr);
    // Posted messages are handled in order: once the orientation dialog of
    // the second command is up, the copies command has been handled.
    swtest::PostCommand(window, IDM_COPIES);
    swtest::PostCommand(window, IDM_ORIENTATION);
    HWND orientation = program.WaitForDialog("Orientation");
    ASSERT_NE(orientation, nullptr);
    EXPECT_EQ(FindWindowA("#32770", "Number of Copies"), nullptr);
    PostMessageA(orientation, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(swtest::WaitFor([&] { return !IsWindow(orientation); }));
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_NE(program.WaitForExit(20000), static_cast<DWORD>(STILL_ACTIVE));
}

} // namespace
