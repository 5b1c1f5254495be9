// swutil.exe "printer|file" as Send To and the command prompt start it: the
// bytes each virtual printer receives follow the printer's stored settings,
// and the program ends without showing a window.
#include "common/path_helpers.h"
#include "support/print_server.h"
#include "support/program_driver.h"
#include "support/settings_file.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

namespace {

using swtest::PrinterInbox;
using swtest::StartProgram;
using swtest::TempFile;

const std::string kLandscape = "\x1b&l1O";
const std::string kPortrait = "\x1b&l0O";

class CommandLinePrint : public swtest::SettingsFileTest {
  protected:
    // Runs swutil.exe with the command line and expects it to end at once.
    void RunProgram(const std::string& commandLine) {
        auto program = StartProgram(commandLine);
        EXPECT_EQ(program.WaitForExit(), 0u) << commandLine;
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

} // namespace
