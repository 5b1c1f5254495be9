// The companion Remsw.exe end to end: a second print server listens on a
// loopback TCP port as a remote site, with a raw queue to a virtual printer.
// A window of the main program's class receives the companion's
// announcements; the test then writes a job into the announced controls and
// clicks, in the order the main program does, and reads what the site's
// printer received.
#include "remote/companion/companion_ids.h"
#include "remote/companion_protocol.h"
#include "remote/remote_sites.h"
#include "support/file_writer.h"
#include "support/print_server.h"
#include "support/program_driver.h"
#include "support/script_names.h"
#include "support/settings_file.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

const char kQueue[] = "sw_remote";

std::string SiteRun() {
    return swtest::UnixRunFolder() + "/site";
}

// The window of the main program's class that the companion announces to.
struct MainWindowStandIn {
    static UINT messages[sw::kCompanionFieldCount];
    static HWND handles[sw::kCompanionFieldCount];
    static std::vector<std::size_t> order;

    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        for (std::size_t i = 0; i < sw::kCompanionFieldCount; ++i) {
            if (message == messages[i] && message != 0) {
                handles[i] = reinterpret_cast<HWND>(wParam);
                order.push_back(i);
            }
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }

    MainWindowStandIn() {
        for (std::size_t i = 0; i < sw::kCompanionFieldCount; ++i) {
            messages[i] = RegisterWindowMessageA(sw::kCompanionMessageNames[i]);
            handles[i] = nullptr;
        }
        order.clear();
        window = swtest::CreateTestWindow(sw::kMainWindowClassName, Proc, sw::kMainWindowTitle,
                                          WS_OVERLAPPED);
    }
    ~MainWindowStandIn() { DestroyWindow(window); }

    bool AllAnnounced() const { return order.size() >= sw::kCompanionFieldCount; }
    HWND Handle(sw::CompanionField field) const { return handles[field]; }

    HWND window = nullptr;
};
UINT MainWindowStandIn::messages[sw::kCompanionFieldCount];
HWND MainWindowStandIn::handles[sw::kCompanionFieldCount];
std::vector<std::size_t> MainWindowStandIn::order;

void SetText(HWND window, const std::string& text) {
    SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// What the main program writes into the companion's fields for one print.
struct RemoteJobTexts {
    std::string copies, autoFormfeed, orientation, method, file;
    std::string bitmap[4]; // left, top, width, height; none for a raw job
};

class Companion : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        using swtest::PrintServerCommand;
        using swtest::ShellQuoted;
        std::string output;
        const std::string command =
            PrintServerCommand("start " + ShellQuoted(SiteRun()) + " --tcp") +
            " && VIRTUAL_PRINTER=" + ShellQuoted(swtest::EnvironmentText("SW_VIRTUAL_PRINTER")) +
            " " + PrintServerCommand("add-printer " + ShellQuoted(SiteRun()) + " " + kQueue) +
            " && cat " + ShellQuoted(SiteRun() + "/ipp.port");
        ASSERT_EQ(swtest::RunHostCommand(command, &output), 0) << output;
        port_ = std::atoi(output.c_str());
        ASSERT_GT(port_, 0) << output;
    }
    static void TearDownTestSuite() {
        swtest::RunHostCommand(
            swtest::PrintServerCommand("stop " + swtest::ShellQuoted(SiteRun())));
    }

    void SetUp() override {
        ASSERT_GT(port_, 0);
        // A site that is not an address is reported and skipped, never contacted.
        swtest::WriteToFile(sw::RemoteSitesFile(), "bad site!|" + Site() + "\r\n");
    }

    // Ends the companion, whether the test or the main program started it.
    void TearDown() override {
        EXPECT_TRUE(swtest::CloseWindowAndWait(nullptr, sw::kCompanionTitle))
            << "the companion did not end";
        companion_.reset();
        DeleteFileA(sw::RemoteSitesFile().c_str());
        DeleteFileA(swtest::SettingsFile().c_str());
    }

    static std::string Site() { return "127.0.0.1:" + std::to_string(port_); }
    static std::string Printer() { return Site() + ":" + kQueue; }

    void StartCompanion() {
        companion_.emplace(swtest::TestProgramFolder() + sw::kCompanionProgram, "");
        ASSERT_TRUE(companion_->Started());
    }

    HWND CompanionLog() {
        return GetDlgItem(FindWindowA(nullptr, sw::kCompanionTitle), sw::kCompanionLog);
    }

    std::string LogText() {
        std::string text;
        for (const std::string& line : swtest::ListBoxItems(CompanionLog()))
            text += line + "\n";
        return text;
    }
    bool LogHas(const std::string& text) { return LogText().find(text) != std::string::npos; }

    // What the main program does on a remote print, in its order: the texts,
    // the printer's selection, the file on the print button, the click.
    void PrintRemotely(const MainWindowStandIn& main, const RemoteJobTexts& texts,
                       const std::string& printer) {
        SetText(main.Handle(sw::kFieldAutoFormfeed), texts.autoFormfeed);
        SetText(main.Handle(sw::kFieldCopies), texts.copies);
        if (!texts.bitmap[0].empty()) {
            const sw::CompanionField fields[] = {sw::kFieldBitmapLeft, sw::kFieldBitmapTop,
                                                 sw::kFieldBitmapWidth, sw::kFieldBitmapHeight};
            for (int i = 0; i < 4; ++i)
                SetText(main.Handle(fields[i]), texts.bitmap[i]);
        }
        SetText(main.Handle(sw::kFieldPrintMethod), texts.method);
        SetText(main.Handle(sw::kFieldOrientation), texts.orientation);
        HWND list = main.Handle(sw::kFieldPrinterList);
        const LRESULT found =
            SendMessageA(list, LB_FINDSTRINGEXACT, 0, reinterpret_cast<LPARAM>(printer.c_str()));
        SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(found), 0);
        SetText(main.Handle(sw::kFieldPrintCommand), texts.file);
        SendMessageA(main.Handle(sw::kFieldPrintCommand), BM_CLICK, 0, 0);
    }

    static int port_;
    std::optional<swtest::RunningProgram> companion_;
    swtest::PrinterInbox inbox_{kQueue, swtest::RunFolder() + "\\site"};
};
int Companion::port_ = 0;

TEST_F(Companion, AnnouncesToAMainWindowThatStartsLaterAndPrintsItsJobs) {
    StartCompanion();
    ASSERT_NE(companion_->WaitForWindow(nullptr, sw::kCompanionTitle, 30000), nullptr)
        << "no window titled \"Spoolwright Remote\"";
    Sleep(500);

    MainWindowStandIn main;
    ASSERT_NE(main.window, nullptr);
    ASSERT_TRUE(swtest::WaitFor([&] { return main.AllAnnounced(); }, 30000)) << LogText();
    EXPECT_EQ(MainWindowStandIn::order, (std::vector<std::size_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}))
        << "the printer list first, the print button second, the values in table order";
    EXPECT_EQ(swtest::ListBoxItems(main.Handle(sw::kFieldPrinterList)),
              (std::vector<std::string>{Printer()}));
    EXPECT_TRUE(LogHas("The site \"bad site!\" is neither a host name nor an address"))
        << LogText();

    // A raw job of three copies wrapped in its orientation sequences and
    // completed by a form feed, exactly as the library sends it.
    const swtest::TempFile report("line 1\r\nline 2\r\n");
    PrintRemotely(main, {"3", "-1", "1|\x1B&l1O|\x1B&l0O", "BYPASS", report.Path(), {}}, Printer());
    const std::string expected = "\x1B&l1Oline 1\r\nline 2\r\n\f\x1B&l0O";
    for (int copy = 0; copy < 3; ++copy)
        EXPECT_EQ(inbox_.NextJob(), expected) << "copy " << copy + 1 << "\n" << LogText();

    // A bitmap goes to the site's driver as it is, without the additions.
    const std::string bitmap = std::string("BM") + std::string(60, '\x01');
    const swtest::TempFile photo(bitmap, ".bmp");
    PrintRemotely(main,
                  {"1", "-1", "1|\x1B&l1O|\x1B&l0O", "BMP", photo.Path(), {"0.5", "1", "4", "3"}},
                  Printer());
    EXPECT_EQ(inbox_.NextJob(), bitmap) << LogText();
    EXPECT_TRUE(swtest::WaitFor([&] { return LogHas("Printed " + photo.Path()); })) << LogText();

    HWND companion = FindWindowA(nullptr, sw::kCompanionTitle);
    SetWindowPos(companion, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE);
    swtest::BringToFront(companion);
    RECT frame = {};
    GetWindowRect(companion, &frame);
    swtest::Screenshot("companion", frame.right - frame.left, frame.bottom - frame.top);

    // The job names are the library's: "Spoolwright: " and the file name.
    const std::vector<std::string> names = swtest::CompletedJobNames(kQueue, SiteRun());
    const std::string reportName = report.Path().substr(report.Path().rfind('\\') + 1);
    EXPECT_NE(std::find(names.begin(), names.end(), "Spoolwright: " + reportName), names.end())
        << testing::PrintToString(names);
}

TEST_F(Companion, RefusedJobsAreReportedInItsWindowAndNothingIsSent) {
    MainWindowStandIn main;
    StartCompanion();
    ASSERT_TRUE(swtest::WaitFor([&] { return main.AllAnnounced(); }, 30000)) << "no announcements";
    const swtest::TempFile data("data");

    RemoteJobTexts texts{"many", "0", "", "BYPASS", data.Path(), {}};
    PrintRemotely(main, texts, Printer());
    EXPECT_TRUE(swtest::WaitFor([&] { return LogHas("The number of copies \"many\""); }))
        << LogText();

    texts.copies = "1";
    PrintRemotely(main, texts, "127.0.0.1:1:no_such_printer"); // not listed: no selection
    EXPECT_TRUE(swtest::WaitFor([&] { return LogHas("No remote printer is selected"); }))
        << LogText();

    texts.file = swtest::RunFolder() + "\\no such file.prn";
    PrintRemotely(main, texts, Printer());
    EXPECT_TRUE(swtest::WaitFor([&] { return LogHas("cannot open"); })) << LogText();

    Sleep(500);
    EXPECT_FALSE(inbox_.HasNextJob());
}

TEST_F(Companion, AnnouncesAgainToANewMainWindow) {
    StartCompanion();
    {
        MainWindowStandIn first;
        ASSERT_TRUE(swtest::WaitFor([&] { return first.AllAnnounced(); }, 30000));
    }
    MainWindowStandIn second;
    ASSERT_TRUE(swtest::WaitFor([&] { return second.AllAnnounced(); }))
        << "the second window got nothing";
    EXPECT_NE(second.Handle(sw::kFieldPrintCommand), nullptr);
}

// The main program's remote route with the real companion: swutil.exe
// "site:printer|file" starts Remsw.exe from its own folder, hands it the job
// with the remote printer's stored settings once it has announced its
// controls, and ends; the companion sends each copy to the site.
TEST_F(Companion, CarriesTheMainProgramsCommandLinePrintToTheSite) {
    const std::string printer = Printer();
    swtest::Store("Printers AutoFormfeed", printer, "1");
    swtest::Store("Printers Orientation " + printer, "Landscape status", "1");
    swtest::Store("Number of copies by printer " + printer, "Copies", "2");
    const swtest::TempFile report("remote report\r\n");

    auto program = swtest::StartProgram("\"" + printer + "|" + report.Path() + "\"");
    EXPECT_EQ(program.WaitForExit(60000), 0u) << "the main program did not end after its print";
    const std::string expected = "\x1B&l1Oremote report\r\n\f\x1B&l0O";
    EXPECT_EQ(inbox_.NextJob(), expected) << "copy 1";
    EXPECT_EQ(inbox_.NextJob(), expected) << "copy 2";
}

// Names in any script reach the site whole: from the main program's command
// line through the companion's controls to the file the companion sends.
TEST_F(Companion, CarriesNamesInAnyScriptToTheSite) {
    const swtest::TempFolder folder("-names", swtest::RunFolder());
    for (const std::string& name : swtest::NamesInOtherScripts()) {
        const std::string path = folder.Write(name, "remote " + name);
        auto program = swtest::StartProgram("\"" + Printer() + "|" + path + "\"");
        EXPECT_EQ(program.WaitForExit(60000), 0u) << name;
        EXPECT_EQ(inbox_.NextJob(), "remote " + name);
    }
}

} // namespace
