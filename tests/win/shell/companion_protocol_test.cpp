// The companion protocol between the running swutil.exe and the companion
// stand-in: announcements fill the printer list, and a remote print writes
// every field in order, the click last. Also: a second start hands its print
// to the running window.
#include "resources/resource.h"
#include "support/print_server.h"
#include "support/program_driver.h"
#include "support/settings_file.h"
#include "support/temp_files.h"
#include "support/text_lines.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using swtest::ListBoxItems;
using swtest::RunningProgram;
using swtest::StartProgram;

std::vector<std::string> LogLines(const std::string& path) {
    return swtest::FileExists(path) ? swtest::SplitLines(swtest::ReadWholeFile(path))
                                    : std::vector<std::string>();
}

bool Contains(const std::vector<std::string>& items, const std::string& item) {
    return std::find(items.begin(), items.end(), item) != items.end();
}

class CompanionProtocol : public swtest::SettingsFileTest {
  protected:
    void SetUp() override {
        swtest::SettingsFileTest::SetUp();
        log_ = swtest::RunFolder() + "\\companion-" + std::to_string(GetTickCount()) + ".log";
    }
    RunningProgram StartCompanion(const std::string& printers) {
        return RunningProgram(swtest::ProgramFromEnvironment("SW_COMPANION_STANDIN"),
                              "\"" + log_ + "\" single " + printers);
    }
    bool Logged(const std::string& line) const { return Contains(LogLines(log_), line); }

    std::string log_;
};

TEST_F(CompanionProtocol, FirstPrintCommandAnnouncementListsTheRemotePrinters) {
    auto companion = StartCompanion("site1:laser site2:ink");
    ASSERT_NE(companion.WaitForWindow(swtest::kCompanionStandInClass), nullptr);
    auto program = StartProgram("");
    HWND window = program.WaitForWindow("SpoolwrightFarreach");
    ASSERT_NE(window, nullptr);
    // The window exists before its children do.
    HWND list = nullptr;
    ASSERT_TRUE(swtest::WaitFor([&] { return (list = GetDlgItem(window, IDC_MAIN_PRINTERS)); }));
    ASSERT_TRUE(swtest::WaitFor([&] { return Logged("announced"); }));
    ASSERT_TRUE(swtest::WaitFor([&] { return Contains(ListBoxItems(list), "site2:ink"); }))
        << testing::PrintToString(ListBoxItems(list));
    EXPECT_TRUE(Contains(ListBoxItems(list), "site1:laser"));
    EXPECT_TRUE(Contains(ListBoxItems(list), "sw_raw")) << "installed printers stay listed";

    // A second print-command announcement does not refresh the list again.
    HWND companionWindow = companion.WaitForWindow(swtest::kCompanionStandInClass);
    HWND remoteList = FindWindowExA(companionWindow, nullptr, "ListBox", nullptr);
    SendMessageA(remoteList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("site3:new"));
    SendMessageA(
        window, RegisterWindowMessageA("SpoolwrightFarreach_Remote_PrintFile_Command"),
        reinterpret_cast<WPARAM>(FindWindowExA(companionWindow, nullptr, "Button", nullptr)), 0);
    Sleep(300);
    EXPECT_FALSE(Contains(ListBoxItems(list), "site3:new"));
    // The Refresh command does.
    swtest::SendCommand(window, IDM_REFRESH);
    EXPECT_TRUE(Contains(ListBoxItems(list), "site3:new"));
}

TEST_F(CompanionProtocol, RemotePrintFromTheCommandLineWritesEveryFieldThenClicks) {
    Write("Printers AutoFormfeed", "site2:ink", "1");
    Write("Printers Orientation site2:ink", "Landscape status", "1");
    Write("Printers Orientation site2:ink", "Landscape code", "027 038 108 049 079");
    Write("Printers Orientation site2:ink", "Portrait code", "027 038 108 048 079");
    Write("Number of copies by printer site2:ink", "Copies", "3");
    swtest::StoreBitmapBox("-1", "1.5", "0.25", "4", "3");
    swtest::TempFile file("doc", ".doc");
    auto companion = StartCompanion("site1:laser site2:ink");
    ASSERT_NE(companion.WaitForWindow(swtest::kCompanionStandInClass), nullptr);

    auto program = StartProgram("site2:ink|" + file.Path());
    EXPECT_EQ(program.WaitForExit(), 0u);
    const std::vector<std::string> expected = {
        "announced",
        "text autoformfeed -1",
        "text copies 3",
        "text left 1.5",
        "text top 0.25",
        "text width 4",
        "text height 3",
        "text method DOC",
        "text orientation 1|\x1b&l1O|\x1b&l0O",
        "text print " + file.Path(),
        "click " + file.Path() + "|site2:ink",
    };
    ASSERT_TRUE(swtest::WaitFor([&] { return LogLines(log_).size() >= expected.size(); }));
    EXPECT_EQ(LogLines(log_), expected);
}

// A click without a selection prints nothing: a remote printer that is not
// in the companion's list is no print handed on, and the exit code says so.
TEST_F(CompanionProtocol, RemotePrinterTheCompanionDoesNotListIsNotClicked) {
    swtest::TempFile file("remote");
    auto companion = StartCompanion("site1:laser");
    ASSERT_NE(companion.WaitForWindow(swtest::kCompanionStandInClass), nullptr);

    auto program = StartProgram("site9:ink|" + file.Path());
    EXPECT_EQ(program.WaitForExit(), static_cast<DWORD>(ERROR_INVALID_PRINTER_NAME));
    EXPECT_TRUE(Logged("announced"));
    for (const std::string& line : LogLines(log_))
        EXPECT_NE(line.rfind("click", 0), 0u) << line;
}

TEST_F(CompanionProtocol, SecondStartHandsItsPrintToTheRunningWindow) {
    auto first = StartProgram("");
    ASSERT_NE(first.WaitForWindow("SpoolwrightFarreach"), nullptr);
    swtest::TempFile file("handed over");
    swtest::PrinterInbox inbox("sw_raw");
    auto second = StartProgram("sw_raw|" + file.Path());
    EXPECT_EQ(second.WaitForExit(), 0u);
    EXPECT_EQ(inbox.NextJob(), "handed over");

    // A handed-over print that fails is still a command line's: the running
    // window shows no message for it, and the second start ends with its code.
    HANDLE locker =
        CreateFileA(file.Path().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(locker, INVALID_HANDLE_VALUE);
    auto locked = StartProgram("sw_raw|" + file.Path());
    EXPECT_EQ(locked.WaitForExit(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    EXPECT_EQ(first.WaitForDialog("Spoolwright Farreach", 1500), nullptr);
    CloseHandle(locker);

    // Without a command line a second start ends at once, silently.
    auto third = StartProgram("");
    EXPECT_EQ(third.WaitForExit(), 0u);
    EXPECT_EQ(first.WaitForExit(0), static_cast<DWORD>(STILL_ACTIVE));
}

// A remote print handed over ends with the companion's answer, which comes
// a while after the click, and the running window stays.
TEST_F(CompanionProtocol, SecondStartsRemotePrintEndsWithTheCompanionsAnswer) {
    auto companion = StartCompanion("answer=1326 site1:laser");
    ASSERT_NE(companion.WaitForWindow(swtest::kCompanionStandInClass), nullptr);
    auto first = StartProgram("");
    ASSERT_NE(first.WaitForWindow("SpoolwrightFarreach"), nullptr);
    ASSERT_TRUE(swtest::WaitFor([&] { return Logged("announced"); }));
    swtest::TempFile file("remote");
    auto second = StartProgram("site1:laser|" + file.Path());
    EXPECT_EQ(second.WaitForExit(), 1326u);
    EXPECT_TRUE(Logged("click " + file.Path() + "|site1:laser"));
    EXPECT_EQ(first.WaitForExit(0), static_cast<DWORD>(STILL_ACTIVE));
}

} // namespace
