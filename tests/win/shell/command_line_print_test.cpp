// swutil.exe "printer|file" as Send To and the command prompt start it: the
// bytes each virtual printer receives follow the printer's stored settings,
// and the program ends without showing a window, with an exit code that says
// whether the print was handed on (0) or why not.
#include "common/library_text.h"
#include "common/path_helpers.h"
#include "printengine/swprint.h"
#include "support/print_server.h"
#include "support/program_driver.h"
#include "support/settings_file.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

namespace {

using swtest::ExpectNothingSentBefore;
using swtest::PrinterInbox;
using swtest::StartProgram;
using swtest::TempFile;

const std::string kLandscape = "\x1b&l1O";
const std::string kPortrait = "\x1b&l0O";

class CommandLinePrint : public swtest::SettingsFileTest {
  protected:
    // Runs swutil.exe with the command line and expects it to end by itself
    // with this exit code.
    void RunProgram(const std::string& commandLine, DWORD exitCode = 0) {
        auto program = StartProgram(commandLine);
        EXPECT_EQ(program.WaitForExit(), exitCode) << commandLine.substr(0, 300);
    }
};

TEST_F(CommandLinePrint, LandscapePrinterGetsEachCopyWrappedAndFed) {
    Write("Printers AutoFormfeed", "sw_raw", "1");
    Write("Printers Orientation sw_raw", "Landscape status", "1");
    Write("Number of copies by printer sw_raw", "Copies", "2");
    TempFile file("report\r\n");
    PrinterInbox inbox("sw_raw");
    RunProgram("  sw_raw|" + file.Path() + "  ");
    const std::string expected = kLandscape + "report\r\n\f" + kPortrait;
    EXPECT_EQ(inbox.NextJob(), expected);
    EXPECT_EQ(inbox.NextJob(), expected);
}

TEST_F(CommandLinePrint, PortraitPrinterGetsThePortraitSequenceOnly) {
    Write("Printers Orientation sw_second", "Landscape status", "0");
    Write("Printers Orientation sw_second", "Portrait code", "027 040 049 048 085");
    TempFile file("memo");
    PrinterInbox inbox("sw_second");
    RunProgram("sw_second{" + file.Path());
    // Portrait switches the orientation off: the file goes out as it is.
    EXPECT_EQ(inbox.NextJob(), "memo");
}

TEST_F(CommandLinePrint, QuotedPathWithSpacesAndStatusKept) {
    Write("Unattended", "Status", "1");
    const swtest::TempFolder folder(" with spaces", swtest::RunFolder());
    const std::string path = folder.Write("My Report.prn", "quoted");
    PrinterInbox inbox("sw_raw");
    RunProgram("\"sw_raw|" + path + "\"");
    EXPECT_EQ(inbox.NextJob(), "quoted");
    // A print from the command line leaves unattended printing as it was.
    EXPECT_EQ(Read("Unattended", "Status"), "1");
}

// Send To of a file in a folder such as "{GUID}" whose name holds a brace
// too: the whole path is the file, for the default printer.
TEST_F(CommandLinePrint, PathWithBracesIsOneFileForTheDefaultPrinter) {
    const swtest::TempFolder folder("{5F2A0C11}", swtest::RunFolder());
    const std::string path = folder.Write("report{1}.prn", "braced");
    PrinterInbox inbox(sw::TakeLibraryText(DefaultPrinter()));
    RunProgram("\"" + path + "\"");
    EXPECT_EQ(inbox.NextJob(), "braced");
}

TEST_F(CommandLinePrint, BitmapIsDrawnThroughTheDriverAsAPage) {
    swtest::StoreBitmapBox("-1", "1", "1", "2", "2");
    // A 2 x 2, 24-bit bitmap: rows of two pixels (blue green, red white) and two padding bytes.
    const std::string rows("\xFF\0\0\0\xFF\0\0\0\0\0\xFF\xFF\xFF\xFF\0\0", 16);
    TempFile file(swtest::BitmapFileHeader(2, 2) + rows, ".bmp");
    PrinterInbox inbox("sw_bitmap");
    RunProgram("sw_bitmap|" + file.Path());
    const std::string job = inbox.NextJob();
    EXPECT_EQ(job.substr(0, 4), "%!PS") << "a PostScript page from the driver";
    EXPECT_NE(job.find("%%Title: Spoolwright: " + sw::FileNamePart(file.Path())),
              std::string::npos);
    EXPECT_NE(job.find("/Width 2\n /Height 2"), std::string::npos);
}

TEST_F(CommandLinePrint, MissingFileOrUnknownPrinterStartsTheWindowInstead) {
    auto program = StartProgram("sw_raw|C:\\no such file.prn");
    EXPECT_NE(program.WaitForWindow("SpoolwrightFarreach"), nullptr);
    EXPECT_EQ(program.WaitForExit(1000), static_cast<DWORD>(STILL_ACTIVE));
}

// The exit code is the first failure's system error code, for each route;
// nothing is shown. A printer associated with one the system does not know
// (as a queue removed since reads to a program that starts afterwards) is
// 1801 on the raw and the word-processor route alike; a file another program
// holds locked is its sharing violation; a bitmap that cannot be loaded is
// the loader's error, and no page.
TEST_F(CommandLinePrint, ExitCodeIsTheFirstFailuresError) {
    Write("Printer Associations", "Gone", "sw_removed_queue");
    Write("NoBypass", "File_001", "*.doc");
    swtest::StoreBitmapBox("-1", "1", "1", "2", "2");
    TempFile report("report");
    TempFile letter("letter", ".doc");
    TempFile notABitmap("not a bitmap", ".bmp");
    PrinterInbox raw("sw_raw");
    PrinterInbox bitmap("sw_bitmap");

    RunProgram("Gone|" + report.Path(), ERROR_INVALID_PRINTER_NAME);
    RunProgram("Gone|" + letter.Path(), ERROR_INVALID_PRINTER_NAME);
    HANDLE locker =
        CreateFileA(report.Path().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(locker, INVALID_HANDLE_VALUE);
    RunProgram("sw_raw|" + report.Path(), ERROR_SHARING_VIOLATION);
    CloseHandle(locker);
    auto program = StartProgram("sw_bitmap|" + notABitmap.Path());
    const DWORD code = program.WaitForExit();
    EXPECT_NE(code, 0u);
    EXPECT_NE(code, static_cast<DWORD>(STILL_ACTIVE));

    ExpectNothingSentBefore(raw, "sw_raw");
    ExpectNothingSentBefore(bitmap, "sw_bitmap");
}

// Command lines that can print nothing end by themselves at once, show no
// window, print nothing and say why: a file part of 10,000 characters, a
// device for a file, a remote printer of a site the sites file does not list
// (the companion, which is not running, is not started for it).
TEST_F(CommandLinePrint, BadInputEndsAtOnceWithItsError) {
    PrinterInbox inbox("sw_raw");
    RunProgram("sw_raw|C:\\" + std::string(10000, 'a') + ".prn", ERROR_FILENAME_EXCED_RANGE);
    RunProgram(std::string(10000, 'b'), ERROR_FILENAME_EXCED_RANGE);
    for (const char* device : {"NUL", "CON", "PRN", "AUX", "COM1", "LPT1", "C:\\jobs\\nul.prn"})
        RunProgram(std::string("sw_raw|") + device, ERROR_INVALID_NAME);

    TempFile file("remote");
    RunProgram("site9:laser|" + file.Path(), ERROR_INVALID_PRINTER_NAME);
    EXPECT_EQ(FindWindowA(nullptr, "Spoolwright Remote"), nullptr) << "no companion started";

    ExpectNothingSentBefore(inbox, "sw_raw");
}

// A queue that no longer accepts jobs: the print is a failure, whatever the
// code. Wine hands the job to the print server when the document ends and
// reports the refusal there (EndDocPrinter fails with 6); Windows keeps the
// job in its own queue.
//
// Wine's limit met here: a short job without a line feed is reported as
// taken (EndDocPrinter returns TRUE) although the server refused it, so the
// file printed here has line ends, as print files do.
TEST_F(CommandLinePrint, QueueThatRefusesJobsIsAFailure) {
    ASSERT_EQ(swtest::RunHostCommand(swtest::CupsCommand("cupsreject sw_abort")), 0);
    TempFile file("refused\r\n");
    auto program = StartProgram("sw_abort|" + file.Path());
    const DWORD code = program.WaitForExit();
    EXPECT_EQ(swtest::RunHostCommand(swtest::CupsCommand("cupsaccept sw_abort")), 0);
    EXPECT_NE(code, 0u) << "a refused job counts as printed";
    EXPECT_NE(code, static_cast<DWORD>(STILL_ACTIVE));
    PrinterInbox inbox("sw_abort");
    ExpectNothingSentBefore(inbox, "sw_abort");
}

// No space where the spooler keeps the job: a small file system mounted over
// the folder where Wine's spooler spools. The exit code says so (112).
//
// Wine's limit met here: AbortPrinter does not delete the job, so the part
// spooled before the space ran out still reaches the printer when the
// printer is closed. On Windows the spooler deletes it. The job goes to a
// queue of its own, whose stray part is read away.
TEST_F(CommandLinePrint, NoSpaceForTheJobIsErrorDiskFull) {
    const std::string prefix =
        swtest::ShellQuoted(swtest::UnixRunFolder() + "/prefix/drive_c/windows");
    const std::string mount = "for f in system32 syswow64; do d=" + prefix +
                              "/$f/spool/printers; [ -d " + prefix +
                              "/$f ] || continue; mkdir -p \"$d\" && "
                              "mount -t tmpfs -o size=64k sw_full_spool \"$d\" || exit 1; done";
    const std::string unmount = "for f in system32 syswow64; do umount " + prefix +
                                "/$f/spool/printers 2>/dev/null; done; true";
    std::string output;
    if (swtest::RunHostCommand(mount, &output) != 0) {
        swtest::RunHostCommand(unmount);
        GTEST_SKIP() << "cannot mount a small file system here (it needs root): " << output;
    }
    TempFile large(1024ull * 1024, ".prn");
    PrinterInbox inbox("sw_abort");

    RunProgram("sw_abort|" + large.Path(), ERROR_DISK_FULL);

    EXPECT_EQ(swtest::RunHostCommand(unmount), 0);
    const std::string part = inbox.NextJob(); // Wine's limit, as above
    EXPECT_LT(part.size(), 1024u * 1024u) << "only the part that was spooled";
}

// A second start hands its print to the running copy; when no window takes
// it (the copy holding the program's mutex never answers), the print did not
// happen, and the exit code says that nobody took it.
TEST_F(CommandLinePrint, PrintNobodyTookIsTimeout) {
    HANDLE mutex = CreateMutexA(
        nullptr, FALSE,
        "SpoolwrightFarreach_unique_name_not_matching_any_other_mutex_or_filemapping_object");
    ASSERT_NE(mutex, nullptr);
    TempFile file("never printed");
    PrinterInbox inbox("sw_raw");
    RunProgram("sw_raw|" + file.Path(), ERROR_TIMEOUT);
    CloseHandle(mutex);
    ExpectNothingSentBefore(inbox, "sw_raw");
}

} // namespace
