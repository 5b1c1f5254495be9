// Files whose names hold Cyrillic, Greek and CJK characters, printed by the
// running swutil.exe through every way a name reaches it: the command line
// (as Send To gives it), a drop, the Open File dialog, and a remote printer
// of the companion.
#include "common/library_text.h"
#include "common/path_helpers.h"
#include "printengine/swprint.h"
#include "resources/resource.h"
#include "support/file_writer.h"
#include "support/main_window_fixture.h"
#include "support/print_server.h"
#include "support/program_driver.h"
#include "support/schedule_builder.h"
#include "support/script_names.h"
#include "support/settings_file.h"
#include "support/temp_files.h"
#include "support/text_lines.h"
#include "unattended/schedule_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

using swtest::NamesInOtherScripts;
using swtest::PrinterInbox;
using swtest::RunningProgram;
using swtest::StartProgram;

class AnyName : public swtest::SettingsFileTest {
  protected:
    void SetUp() override {
        swtest::SettingsFileTest::SetUp();
        folder_ = std::make_unique<swtest::TempFolder>("-names", swtest::RunFolder());
    }
    void TearDown() override {
        folder_.reset();
        swtest::SettingsFileTest::TearDown();
    }
    std::string Write(const std::string& name) const { return folder_->Write(name, "job " + name); }

    std::unique_ptr<swtest::TempFolder> folder_;
};

TEST_F(AnyName, CommandLineAndSendToPrintEveryName) {
    for (const std::string& name : NamesInOtherScripts()) {
        const std::string path = Write(name);
        PrinterInbox inbox("sw_raw");
        auto program = StartProgram("\"sw_raw|" + path + "\"");
        EXPECT_EQ(program.WaitForExit(), 0u) << name;
        EXPECT_EQ(inbox.NextJob(), "job " + name);
    }
    // Send To passes the quoted path alone, for the default printer.
    const std::string printer = sw::TakeLibraryText(DefaultPrinter());
    ASSERT_FALSE(printer.empty());
    const std::string path = Write("Σ отчёт 報告.prn");
    PrinterInbox inbox(printer);
    auto program = StartProgram("\"" + path + "\"");
    EXPECT_EQ(program.WaitForExit(), 0u) << "printed on the default printer and ended";
    EXPECT_EQ(inbox.NextJob(), "job Σ отчёт 報告.prn");
}

TEST_F(AnyName, DropAndOpenFileDialogSelectAndPrintEveryName) {
    RunningProgram program(swtest::ProgramFromEnvironment("SW_SWUTIL"), "");
    HWND window = program.WaitForWindow("SpoolwrightFarreach");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(swtest::WaitFor([&] { return IsWindowVisible(window) != FALSE; }));
    HWND list = GetDlgItem(window, IDC_MAIN_PRINTERS);
    const LRESULT index = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>("sw_raw"));
    ASSERT_NE(index, LB_ERR);
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);

    for (const std::string& name : NamesInOtherScripts()) {
        const std::string dropped = Write("dropped " + name);
        swtest::DropFiles(window, {dropped});
        EXPECT_TRUE(swtest::WaitFor([&] {
            return swtest::StatusBarText(GetDlgItem(window, IDC_MAIN_STATUS), 0) == dropped;
        })) << swtest::StatusBarText(GetDlgItem(window, IDC_MAIN_STATUS), 0);
        PrinterInbox dropInbox("sw_raw");
        swtest::PostCommand(window, IDM_PRINT);
        EXPECT_EQ(dropInbox.NextJob(), "job dropped " + name);

        const std::string chosen = Write("chosen " + name);
        PrinterInbox dialogInbox("sw_raw");
        swtest::PostCommand(window, IDM_SELECT);
        swtest::ChooseInOpenFileDialog(program, chosen);
        EXPECT_EQ(dialogInbox.NextJob(), "job chosen " + name);
    }
}

TEST_F(AnyName, RemotePrinterIsHandedEveryNameWhole) {
    const std::string log = swtest::RunFolder() + "\\companion-names.log";
    DeleteFileA(log.c_str());
    RunningProgram companion(swtest::ProgramFromEnvironment("SW_COMPANION_STANDIN"),
                             "\"" + log + "\" single site:laser");
    ASSERT_NE(companion.WaitForWindow(swtest::kCompanionStandInClass), nullptr);
    std::vector<std::string> clicks;
    for (const std::string& name : NamesInOtherScripts()) {
        const std::string path = Write(name);
        auto program = StartProgram("\"site:laser|" + path + "\"");
        EXPECT_EQ(program.WaitForExit(), 0u) << name;
        clicks.push_back("click " + path + "|site:laser");
    }
    std::vector<std::string> logged;
    swtest::WaitFor([&] {
        logged.clear();
        for (const std::string& line : swtest::SplitLines(swtest::ReadWholeFile(log))) {
            if (line.rfind("click ", 0) == 0)
                logged.push_back(line);
        }
        return logged.size() >= clicks.size();
    });
    EXPECT_EQ(logged, clicks);
}

// A watched folder of the running program: its schedule file and event log
// are beside swutil.exe.
TEST_F(AnyName, WatchedFolderPrintsAndLogsEveryName) {
    const std::string programFolder =
        sw::AddTrailingBackslash(sw::FolderPart(swtest::ProgramFromEnvironment("SW_SWUTIL")));
    const std::string schedules = programFolder + "sw.dat";
    const std::string log = programFolder + "Unattended.txt";
    DeleteFileA(log.c_str());
    std::vector<std::string> jobs;
    for (const std::string& name : NamesInOtherScripts()) {
        Write(name);
        jobs.push_back("job " + name);
    }
    // Printed files go to the Recycle Bin, so that each is printed once.
    const sw::ScheduleRecord schedule =
        swtest::ScheduleBuilder(folder_->Path(), "*.prn", "sw_raw").ToRecycleBin();
    const sw::ScheduleRecordBytes record = sw::EncodeScheduleRecord(schedule);
    ASSERT_TRUE(swtest::WriteToFile(schedules, std::string(record.begin(), record.end())));
    PrinterInbox inbox("sw_raw");

    RunningProgram program(swtest::ProgramFromEnvironment("SW_SWUTIL"), "");
    HWND window = program.WaitForWindow("SpoolwrightFarreach");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(swtest::WaitFor([&] { return IsWindowVisible(window) != FALSE; }));
    swtest::PostCommand(window, IDM_UNATTENDED);
    std::vector<std::string> received;
    for (std::size_t i = 0; i < jobs.size(); ++i)
        received.push_back(inbox.NextJob());
    swtest::PostCommand(window, IDM_UNATTENDED);
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0u);

    std::sort(jobs.begin(), jobs.end());
    std::sort(received.begin(), received.end());
    EXPECT_EQ(received, jobs);
    const std::string logged = swtest::FileExists(log) ? swtest::ReadWholeFile(log) : "";
    for (const std::string& name : NamesInOtherScripts())
        EXPECT_NE(logged.find(folder_->In(name) + "   printed successfully to sw_raw"),
                  std::string::npos)
            << logged;
    DeleteFileA(schedules.c_str());
    DeleteFileA(log.c_str());
}

} // namespace
