// Line printing: lines collected in the scratch file reach the printer as one
// raw job, and the scratch file is gone afterwards on every path.
#include "printengine/library_state.h"
#include "printengine/swprint.h"
#include "support/file_writer.h"
#include "support/print_server.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using swtest::PrinterInbox;

const char kPrinter[] = "sw_raw";

std::string ScratchPath() {
    char temp[MAX_PATH] = {};
    GetEnvironmentVariableA("TEMP", temp, MAX_PATH);
    std::string path = temp;
    if (!path.empty() && path.back() != '\\')
        path += '\\';
    return path + "SPWLTEMP.TXT";
}

// Line-end and form-feed texts persist, so every test starts from none.
class LinePrinting : public testing::Test {
  protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }
    static void Reset() {
        Linefeed("");
        Frmfeed("");
    }
};

TEST_F(LinePrinting, CollectsLinesAndAppendsTheFormFeedField) {
    PrinterInbox inbox(kPrinter);
    Linefeed("\r\n");
    Frmfeed("\f");
    LPrint("A");
    LPrint("B");
    EXPECT_TRUE(swtest::FileExists(ScratchPath())) << "lines are collected in the scratch file";

    EXPECT_EQ(LPrintEnd(kPrinter), 0);

    EXPECT_EQ(inbox.NextJob(), std::string("A\r\nB\r\n\f") + std::string(39, '\0'));
    EXPECT_FALSE(swtest::FileExists(ScratchPath()));
}

TEST_F(LinePrinting, LinesGoBackToBackUntilALineEndIsSet) {
    PrinterInbox inbox(kPrinter);
    LPrint("one");
    LPrint("two");
    LPrint(nullptr);
    EXPECT_EQ(LPrintEnd(kPrinter), 0);
    EXPECT_EQ(inbox.NextJob(), "onetwo");
}

TEST_F(LinePrinting, TextsAreCutTo39Characters) {
    PrinterInbox inbox(kPrinter);
    const std::string fortyFive(45, '=');
    Linefeed(fortyFive.c_str());
    Frmfeed(fortyFive.c_str());
    LPrint("x");
    EXPECT_EQ(LPrintEnd(kPrinter), 0);
    EXPECT_EQ(inbox.NextJob(), "x" + std::string(39, '=') + std::string(39, '=') + '\0');
}

TEST_F(LinePrinting, ReplacesAScratchFileLeftBehind) {
    swtest::TempFile unused("");
    ASSERT_TRUE(swtest::WriteToFile(ScratchPath(), "stale"));
    PrinterInbox inbox(kPrinter);
    LPrint("fresh");
    EXPECT_EQ(LPrintEnd(kPrinter), 0);
    EXPECT_EQ(inbox.NextJob(), "fresh");
}

TEST_F(LinePrinting, EndWithoutLinesPrintsAnEmptyJob) {
    PrinterInbox inbox(kPrinter);
    SHORT on = -1, off = 0;
    SetAutoformfeed(&on);
    EXPECT_EQ(LPrintEnd(kPrinter), 0);
    SetAutoformfeed(&off);
    EXPECT_EQ(inbox.NextJob(), "\f") << "the job holds only the additions";
    EXPECT_FALSE(swtest::FileExists(ScratchPath()));
}

TEST_F(LinePrinting, UnknownPrinterReturnsTheErrorAndStillDeletesTheScratchFile) {
    PrinterInbox inbox(kPrinter);
    LPrint("lost");
    EXPECT_EQ(LPrintEnd("sw_no_such_printer"), ERROR_INVALID_PRINTER_NAME);
    EXPECT_FALSE(swtest::FileExists(ScratchPath()));

    // The printer name is cut to 39 characters: a longer name no longer matches.
    LPrint("lost too");
    EXPECT_EQ(LPrintEnd("sw_long_name_queue_0123456789_0123456789_0123456789_0123456"),
              ERROR_INVALID_PRINTER_NAME);

    LPrint("next");
    EXPECT_EQ(LPrintEnd(kPrinter), 0);
    EXPECT_EQ(inbox.NextJob(), "next") << "nothing of the failed jobs was sent";
}

// A line that cannot be collected makes the whole job fail: printing the
// lines that happen to be in the scratch file would be a short job reported
// as printed.
TEST_F(LinePrinting, LineThatCannotBeCollectedIsReportedAndNothingIsPrinted) {
    PrinterInbox inbox(kPrinter);
    swtest::TempFolder parent;
    const std::string folder = parent.In("made later");
    std::string& scratchPath = sw::State().scratchPath;
    const std::string usual = scratchPath;
    scratchPath = folder + "\\SPWLTEMP.TXT";

    LPrint("first"); // the scratch folder is not there yet
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    LPrint("second");
    EXPECT_EQ(LPrintEnd(kPrinter), ERROR_PATH_NOT_FOUND);
    EXPECT_FALSE(swtest::FileExists(scratchPath));
    scratchPath = usual;

    LPrint("next");
    EXPECT_EQ(LPrintEnd(kPrinter), 0) << "the failure is not carried into the next job";
    EXPECT_EQ(inbox.NextJob(), "next") << "nothing of the failed job was sent";
}

} // namespace
