// The running swutil.exe as a user of Windows 10 or 11 finds it: the keys the
// menus name work, the unattended indicator cannot be typed into, a
// cancelled Select keeps the file selected before, Event log opens the log
// even before the first event, and help opens without a WinHelp viewer.
#include "common/path_helpers.h"
#include "resources/resource.h"
#include "support/main_window_fixture.h"
#include "support/print_server.h"
#include "support/program_driver.h"
#include "support/shell_stand_ins.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

namespace {

// A key, with Ctrl held when asked, as the keyboard sends it to the window in front.
void PressKey(BYTE key, bool control) {
    if (control)
        keybd_event(VK_CONTROL, 0, 0, 0);
    keybd_event(key, 0, 0, 0);
    keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
    if (control)
        keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
}

std::string StartedProgram() {
    return swtest::ProgramFromEnvironment("SW_STARTED_PROGRAM");
}

class Shortcuts : public swtest::MainWindowTest {
  protected:
    void SetUp() override {
        swtest::MainWindowTest::SetUp();
        SelectPrinter("sw_raw");
    }
    void Drop(const std::string& path) {
        swtest::DropFiles(window_, {path});
        ASSERT_TRUE(swtest::WaitFor([&] { return Status() == path; })) << Status();
    }
    void CancelOpenFile() {
        HWND dialog = program_->WaitForDialog("Open File");
        ASSERT_NE(dialog, nullptr) << "the Open File dialog";
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
        ASSERT_TRUE(
            swtest::WaitFor([&] { return program_->WaitForDialog("Open File", 0) == nullptr; }));
    }
};

TEST_F(Shortcuts, CtrlPPrintsAndCtrlSSelects) {
    swtest::TempFile file("printed with Ctrl+P");
    Drop(file.Path());
    swtest::PrinterInbox inbox("sw_raw");
    swtest::BringToFront(window_);
    PressKey('P', true);
    EXPECT_EQ(inbox.NextJob(), "printed with Ctrl+P");
    PressKey('S', true);
    CancelOpenFile();
}

TEST_F(Shortcuts, CancellingSelectKeepsTheEarlierFileAndPrintsNothing) {
    swtest::TempFile file("selected before");
    Drop(file.Path());
    swtest::PrinterInbox inbox("sw_raw");
    swtest::PostCommand(window_, IDM_SELECT);
    CancelOpenFile();
    EXPECT_EQ(Status(), file.Path());
    Sleep(500);
    EXPECT_FALSE(inbox.HasNextJob()) << "a cancelled Select prints nothing";
    swtest::PostCommand(window_, IDM_PRINT);
    EXPECT_EQ(inbox.NextJob(), "selected before") << "Print prints the file kept";
}

TEST_F(Shortcuts, TheUnattendedIndicatorCannotBeTypedInto) {
    HWND indicator = GetDlgItem(GetDlgItem(window_, IDC_MAIN_TOOLBAR), IDC_MAIN_INDICATOR);
    ASSERT_NE(indicator, nullptr);
    EXPECT_NE(GetWindowLongPtrA(indicator, GWL_STYLE) & ES_READONLY, 0);
    for (const char c : std::string("bc"))
        PostMessageA(indicator, WM_CHAR, static_cast<WPARAM>(c), 0);
    Sleep(300);
    EXPECT_EQ(swtest::WindowText(indicator), "No unattended");
}

TEST_F(Shortcuts, EventLogOpensTheLogMadeEmptyWhenThereIsNone) {
    const std::string log =
        sw::AddTrailingBackslash(sw::FolderPart(swtest::ProgramFromEnvironment("SW_SWUTIL"))) +
        "Unattended.txt";
    DeleteFileA(log.c_str());
    swtest::OpenedWith texts(".txt", StartedProgram());
    swtest::PostCommand(window_, IDM_EVENT_LOG);
    const auto started = swtest::StartedCommands(1);
    ASSERT_EQ(started.size(), 1u) << "the log was opened";
    EXPECT_NE(started[0].find("Unattended.txt"), std::string::npos) << started[0];
    EXPECT_TRUE(swtest::FileExists(log));
    EXPECT_EQ(swtest::ReadWholeFile(log), "");
    DeleteFileA(log.c_str());
}

// Without a WinHelp viewer (Windows 10 and 11), F1 and the Help command open
// the HTML edition's contents in the default browser.
TEST_F(Shortcuts, F1OpensTheHelpPageWithoutAWinHelpViewer) {
    swtest::NoWinHelpViewer noViewer;
    swtest::OpenedWith pages(".html", StartedProgram());
    swtest::BringToFront(window_);
    PressKey(VK_F1, false);
    auto started = swtest::StartedCommands(1);
    ASSERT_EQ(started.size(), 1u) << "F1 opened no page";
    EXPECT_NE(started[0].find("help\\contents.html"), std::string::npos) << started[0];
    swtest::PostCommand(window_, IDM_HELP);
    started = swtest::StartedCommands(2);
    ASSERT_EQ(started.size(), 2u) << "Help opened no page";
    EXPECT_NE(started[1].find("help\\contents.html"), std::string::npos) << started[1];
}

// The set-up run opens the page written for new users.
TEST(SetupRunHelp, OpensTheSetUpPageWithoutAWinHelpViewer) {
    swtest::NoWinHelpViewer noViewer;
    swtest::OpenedWith pages(".html", StartedProgram());
    {
        auto program = swtest::StartProgram("ACSI");
        HWND window = program.WaitForWindow("SpoolwrightFarreach");
        ASSERT_NE(window, nullptr);
        const auto started = swtest::StartedCommands(1);
        ASSERT_EQ(started.size(), 1u) << "the set-up run opened no page";
        EXPECT_NE(started[0].find("help\\setup.html"), std::string::npos) << started[0];
        PostMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_EQ(program.WaitForExit(), 0u);
    }
    // The companion the set-up run started, which would outlive the test.
    EXPECT_TRUE(swtest::CloseWindowAndWait(nullptr, "Spoolwright Remote", 3000));
}

} // namespace
