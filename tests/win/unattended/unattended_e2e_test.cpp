// Unattended printing end to end: a thousand files through the print server
// while the server is stopped and started again, and a schedule for a
// remote printer carried by the real program and the real companion to a
// second print server.
#include "common/path_helpers.h"
#include "printroute/print_library_api.h"
#include "remote/companion_protocol.h"
#include "remote/remote_sites.h"
#include "support/file_writer.h"
#include "support/print_server.h"
#include "support/program_driver.h"
#include "support/settings_file.h"
#include "support/temp_files.h"
#include "unattended/data_files.h"
#include "unattended/schedule_record.h"
#include "unattended_fixture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

using swtest::EventLogLines;
using swtest::FileExists;
using swtest::PrinterInbox;
using swtest::ShellQuoted;

constexpr int kFileCount = 1000;
// A queue of this test's own: it reads back the name of every job the print
// server holds for it.
constexpr char kLoadPrinter[] = "sw_unattended_load";

std::string FileName(int number) {
    char name[32];
    std::snprintf(name, sizeof(name), "load-%04d.prn", number);
    return name;
}

// Each file's bytes differ, so that the printer's jobs tell which file each was.
std::string FileBytes(int number) {
    return "file " + std::to_string(number) + "\r\n" + std::string(200 + number % 97, 'x') + "\f";
}

class UnattendedEndToEnd : public swtest::UnattendedTest {};

LONG(WINAPI* realPrintFile)(LPCSTR, LPCSTR) = nullptr;
int printsBeforeStop = 0;
bool serverStopped = false;
DWORD serverStoppedAt = 0;

// The print library's PrintFile, which stops the print server after the
// hundredth print and starts it again before the first print ten seconds
// later. Both come between two prints, so that no job is on its way to the
// server: Wine's spooler reports a job whose answer the stop cut off as
// printed, and one it sent while the server was starting again (its
// queues not yet enabled) may reach the printer although the print was
// reported as failed (docs/testing-under-wine.md).
LONG WINAPI PrintFileAroundAServerRestart(LPCSTR printerName, LPCSTR fileName) {
    const std::string run = ShellQuoted(swtest::UnixRunFolder());
    if (serverStopped && GetTickCount() - serverStoppedAt >= 10000) {
        EXPECT_EQ(swtest::RunHostCommand(swtest::PrintServerCommand("start-server " + run)), 0);
        serverStopped = false;
    }
    const LONG result = realPrintFile(printerName, fileName);
    if (--printsBeforeStop == 0) {
        EXPECT_EQ(swtest::RunHostCommand(swtest::PrintServerCommand("stop-server " + run)), 0);
        serverStopped = true;
        serverStoppedAt = GetTickCount();
    }
    return result;
}

// The print server is stopped after the first hundred prints, as an
// administrator stops it (once the jobs it holds have printed), and started
// again ten seconds later, between two prints: the prints tried meanwhile fail (their first
// failure is logged), are tried again at each tick, and every file reaches
// the printer once, whole; the print server holds one job per file.
TEST_F(UnattendedEndToEnd, AThousandFilesArePrintedOnceEachThroughAServerRestart) {
    for (int number = 1; number <= kFileCount; ++number)
        WriteInFolder(FileName(number), FileBytes(number));
    swtest::WriteScheduleFile({swtest::ScheduleBuilder(Folder(), "load-*.prn", kLoadPrinter)});
    PrinterInbox inbox(kLoadPrinter);
    const std::string run = ShellQuoted(swtest::UnixRunFolder());
    realPrintFile = sw::PrintLibrary().printFile;
    printsBeforeStop = 100;
    sw::PrintLibrary().printFile = PrintFileAroundAServerRestart;

    std::map<std::string, int> received; // bytes -> times
    const DWORD start = GetTickCount();
    int jobs = 0;
    while (jobs < kFileCount && GetTickCount() - start < 600000) {
        Tick();
        while (inbox.HasNextJob()) {
            ++received[inbox.NextJob()];
            ++jobs;
        }
        Sleep(200);
    }
    // A job whose document never arrived would stay pending, empty, for
    // good: it is cancelled so that the wait ends, and its file counts as
    // missing. Whatever else the server still held has arrived once nothing
    // is pending.
    swtest::RunHostCommand(swtest::PrintServerCommand("cancel-empty " + run + " " + kLoadPrinter));
    swtest::RunHostCommand(swtest::PrintServerCommand("wait-idle " + run));
    Sleep(1000);
    while (inbox.HasNextJob()) {
        ++received[inbox.NextJob()];
        ++jobs;
    }

    int missing = 0;
    int twice = 0;
    for (int number = 1; number <= kFileCount; ++number) {
        const auto found = received.find(FileBytes(number));
        if (found == received.end())
            ++missing;
        else if (found->second > 1)
            ++twice;
    }
    EXPECT_EQ(missing, 0) << "files that never reached the printer whole";
    EXPECT_EQ(twice, 0) << "files printed more than once";
    EXPECT_EQ(jobs, kFileCount) << "jobs at the printer";

    std::size_t printedLines = 0;
    std::size_t failureLines = 0;
    for (const std::string& line : EventLogLines()) {
        if (line.find("   printed successfully to ") != std::string::npos)
            ++printedLines;
        else if (line.find("  due to Error ") != std::string::npos)
            ++failureLines;
    }
    EXPECT_EQ(printedLines, static_cast<std::size_t>(kFileCount));
    EXPECT_GT(failureLines, 0u) << "the prints tried while the server was away failed";
    EXPECT_LE(failureLines, static_cast<std::size_t>(kFileCount))
        << "one line per failing file, not one per tick";

    const std::vector<std::string> names = swtest::CompletedJobNames(kLoadPrinter);
    std::map<std::string, int> submitted;
    for (const std::string& name : names)
        ++submitted[name];
    for (int number = 1; number <= kFileCount; ++number)
        EXPECT_EQ(submitted["Spoolwright: " + FileName(number)], 1) << FileName(number);
}

// A schedule for "site:printer" is printed by swutil.exe through the
// companion, which it starts when needed, with the printer's settings.
class RemoteSchedule : public swtest::UnattendedTest {
  protected:
    void SetUp() override {
        swtest::UnattendedTest::SetUp();
        port_ = swtest::StartSitePrintServer(SiteRun(), kQueue);
        ASSERT_GT(port_, 0);
        ASSERT_TRUE(swtest::WriteToFile(sw::RemoteSitesFile(), Site() + "\r\n"));
        program_ = swtest::ProgramFromEnvironment("SW_SWUTIL");
        programFolder_ = sw::FolderPart(program_);
        RemoveProgramFiles();
    }
    void TearDown() override {
        EXPECT_TRUE(swtest::CloseWindowAndWait(sw::kMainWindowClassName, nullptr))
            << "swutil.exe did not end";
        EXPECT_TRUE(swtest::CloseWindowAndWait(nullptr, sw::kCompanionTitle))
            << "the companion did not end";
        RemoveProgramFiles();
        DeleteFileA(sw::RemoteSitesFile().c_str());
        swtest::RunHostCommand(swtest::PrintServerCommand("stop " + ShellQuoted(SiteRun())));
        swtest::UnattendedTest::TearDown();
    }

    static std::string SiteRun() { return swtest::UnixRunFolder() + "/site"; }
    std::string Site() const { return "127.0.0.1:" + std::to_string(port_); }
    std::string Printer() const { return Site() + ":" + kQueue; }
    // A file of swutil.exe's folder: its schedule file, log and state files.
    std::string ProgramFile(const std::string& name) const { return programFolder_ + name; }

    void RemoveProgramFiles() const {
        for (const char* name : {"sw.dat", "Unattended.txt", "swprinted.dat", "swprinting.dat"})
            DeleteFileA(ProgramFile(name).c_str());
    }

    static constexpr char kQueue[] = "sw_remote";
    int port_ = 0;
    std::string program_;
    std::string programFolder_;
};

TEST_F(RemoteSchedule, ReachesASecondPrintServerThroughTheCompanion) {
    const std::string printer = Printer();
    swtest::Store("Printers AutoFormfeed", printer, "1");
    swtest::Store("Printers Orientation " + printer, "Landscape status", "1");
    WriteInFolder("remote.prn", "remote report\r\n");
    const sw::ScheduleRecord schedule =
        swtest::ScheduleBuilder(Folder(), "*.prn", printer).Interval(500).ToRecycleBin();
    const sw::ScheduleRecordBytes bytes = sw::EncodeScheduleRecord(schedule);
    ASSERT_TRUE(
        swtest::WriteToFile(ProgramFile("sw.dat"), std::string(bytes.begin(), bytes.end())));
    swtest::Store("Unattended", "Status", "1"); // on since the last run
    PrinterInbox inbox(kQueue, swtest::RunFolder() + "\\site");

    swtest::RunningProgram program(program_, "");
    ASSERT_TRUE(program.Started());

    EXPECT_EQ(inbox.NextJob(), "\x1B&l1Oremote report\r\n\f\x1B&l0O");
    ASSERT_TRUE(swtest::WaitFor([&] { return !FileExists(InFolder("remote.prn")); }, 30000))
        << "handed over, then moved to the Recycle Bin";
    const std::string log = swtest::ReadWholeFile(ProgramFile("Unattended.txt"));
    EXPECT_NE(log.find(InFolder("remote.prn") + "   printed successfully to " + printer + "\r\n"),
              std::string::npos)
        << log;
    EXPECT_FALSE(inbox.HasNextJob());
}

} // namespace
