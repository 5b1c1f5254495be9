// The library calls of a local print, in order, recorded through the print
// library table: they leave no trace in the bytes (a flag switched off, the
// same placement asked for again).
#include "common/program_state.h"
#include "printroute/driver_bypass_print.h"
#include "printroute/print_library_api.h"
#include "shell/print_dispatch.h"
#include "support/scoped_seam.h"
#include "support/settings_file.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> calls;
// What the recorded PrintFile and PrintBMP answer, copy after copy; 0 once
// the list is used up. PrintBMP's -1 leaves the error given with it.
std::vector<LONG> printResults;
std::vector<DWORD> printErrors;

LONG NextPrintResult() {
    if (printResults.empty())
        return 0;
    const LONG result = printResults.front();
    printResults.erase(printResults.begin());
    if (!printErrors.empty()) {
        SetLastError(printErrors.front());
        printErrors.erase(printErrors.begin());
    }
    return result;
}

std::string Flag(const SHORT* flag) {
    return flag == nullptr ? "null" : std::to_string(*flag);
}

void WINAPI RecordOrientation(const SHORT* flag, SHORT*, LPCSTR start, LPCSTR end) {
    calls.push_back("Orientation(" + Flag(flag) + "," + std::to_string(std::string(start).size()) +
                    "," + std::to_string(std::string(end).size()) + ")");
}
void WINAPI RecordAutoformfeed(const SHORT* flag) {
    calls.push_back("SetAutoformfeed(" + Flag(flag) + ")");
}
LONG WINAPI RecordPrintFile(LPCSTR printer, LPCSTR file) {
    calls.push_back("PrintFile(" + std::string(printer) + "," + file + ")");
    return NextPrintResult();
}
LONG WINAPI RecordPrintBmp(LPCSTR printer, LPCSTR file, double left, double top, double width,
                           double height) {
    std::ostringstream call;
    call << "PrintBMP(" << printer << "," << file << "," << left << "," << top << "," << width
         << "," << height << ")";
    calls.push_back(call.str());
    return NextPrintResult();
}
std::int32_t applicationResult = 0;
std::int32_t RecordApplication(std::string_view printer, std::string_view file) {
    calls.push_back("PrintWithApplication(" + std::string(printer) + "," + std::string(file) + ")");
    return applicationResult;
}

class DispatchSequence : public swtest::SettingsFileTest {
  protected:
    void SetUp() override {
        swtest::SettingsFileTest::SetUp();
        sw::PrintLibrary() = {RecordOrientation, RecordAutoformfeed, RecordPrintFile,
                              RecordPrintBmp, RecordApplication};
        calls.clear();
        printResults.clear();
        printErrors.clear();
        applicationResult = 0;
        Write("NoBypass", "File_001", "*.doc");
    }
    std::vector<std::string> Dispatch(const std::string& printer, const std::string& file) {
        sw::Program().CurrentPrinter = printer;
        sw::Program().SelectedFile = file;
        sw::DispatchPrint();
        return calls;
    }

    swtest::ScopedSeam<sw::PrintLibraryApi> library_{sw::PrintLibrary()};
};

TEST_F(DispatchSequence, LandscapeWithFormFeedAndThreeCopies) {
    Write("Printers AutoFormfeed", "Laser", "1");
    Write("Printers Orientation Laser", "Landscape status", "1");
    Write("Printers Orientation Laser", "Landscape code", "027 038 108 049 079");
    Write("Number of copies by printer Laser", "Copies", "3");
    EXPECT_EQ(Dispatch("Laser", "C:\\a.prn"),
              (std::vector<std::string>{"Orientation(-1,5,0)", "SetAutoformfeed(-1)",
                                        "PrintFile(Laser,C:\\a.prn)", "PrintFile(Laser,C:\\a.prn)",
                                        "PrintFile(Laser,C:\\a.prn)", "SetAutoformfeed(0)",
                                        "Orientation(0,5,0)"}));
}

TEST_F(DispatchSequence, PortraitIsSetOnceAndFormFeedOnlySwitchedOff) {
    Write("Printers Orientation Laser", "Landscape status", "0");
    EXPECT_EQ(Dispatch("Laser", "C:\\a.prn"),
              (std::vector<std::string>{"Orientation(0,0,0)", "PrintFile(Laser,C:\\a.prn)",
                                        "SetAutoformfeed(0)"}));
}

TEST_F(DispatchSequence, NoOrientationLeavesTheLibraryAlone) {
    Write("Printers Orientation Laser", "Landscape status", "N");
    EXPECT_EQ(Dispatch("Laser", "C:\\a.prn"),
              (std::vector<std::string>{"PrintFile(Laser,C:\\a.prn)", "SetAutoformfeed(0)"}));
}

TEST_F(DispatchSequence, BitmapGetsTheStoredPlacementForEveryCopy) {
    swtest::StoreBitmapBox("-1", "1.5", "2", "3", "4");
    Write("Number of copies by printer Laser", "Copies", "2");
    EXPECT_EQ(Dispatch("Laser", "C:\\photo.BMP"),
              (std::vector<std::string>{"PrintBMP(Laser,C:\\photo.BMP,1.5,2,3,4)",
                                        "PrintBMP(Laser,C:\\photo.BMP,1.5,2,3,4)",
                                        "SetAutoformfeed(0)"}));
}

TEST_F(DispatchSequence, BypassPatternGoesToTheApplicationOnly) {
    Write("Printers AutoFormfeed", "sw_raw", "1");
    Write("Printers Orientation sw_raw", "Landscape status", "1");
    swtest::TempFile letter("letter", ".doc");
    EXPECT_EQ(Dispatch("sw_raw", letter.Path()),
              (std::vector<std::string>{"PrintWithApplication(sw_raw," + letter.Path() + ")"}));
}

// The word processor says only whether it ran: a file or a printer that is
// not there is found before it starts (it would print nothing, or on the
// default printer), and a word processor that did not print is 1155.
TEST_F(DispatchSequence, WordProcessorRouteChecksFileAndPrinterFirst) {
    swtest::TempFile letter("letter", ".doc");
    const std::string missing = letter.Path() + ".gone.doc";
    const struct {
        const char* printer;
        std::string file;
        std::int32_t application;
        std::int32_t result;
        std::size_t calls;
    } cases[] = {
        {"sw_raw", letter.Path(), 0, 0, 1},
        {"sw_raw", missing, 0, ERROR_FILE_NOT_FOUND, 0},
        {"sw_removed_queue", letter.Path(), 0, ERROR_INVALID_PRINTER_NAME, 0},
        {"sw_raw", letter.Path(), -2, ERROR_NO_ASSOCIATION, 1},
    };
    for (const auto& c : cases) {
        calls.clear();
        applicationResult = c.application;
        sw::Program().CurrentPrinter = c.printer;
        sw::Program().SelectedFile = c.file;
        EXPECT_EQ(sw::DispatchPrint(), c.result) << c.printer << " " << c.file;
        EXPECT_EQ(calls.size(), c.calls) << c.printer << " " << c.file;
    }
}

TEST_F(DispatchSequence, NetworkPathWithoutColonIsLocal) {
    EXPECT_EQ(
        Dispatch("\\\\server\\laser", "C:\\a.prn"),
        (std::vector<std::string>{"PrintFile(\\\\server\\laser,C:\\a.prn)", "SetAutoformfeed(0)"}));
    calls.clear();
    // A remote printer without an announced companion prints nothing here.
    sw::Program().CurrentPrinter = "site:laser";
    EXPECT_EQ(sw::DispatchPrint(), ERROR_NOT_READY);
    EXPECT_TRUE(calls.empty());
}

// Every copy is tried; the result is the first failure, so that a copy that
// failed is never hidden by one that printed after it.
TEST_F(DispatchSequence, FirstFailingCopyIsTheResult) {
    Write("Number of copies by printer Laser", "Copies", "3");
    printResults = {0, ERROR_INVALID_PRINTER_NAME, ERROR_ACCESS_DENIED};
    EXPECT_EQ(sw::PrintBypassingDriver("Laser", "C:\\a.prn", sw::BitmapPlacementSource::StoredOnly),
              ERROR_INVALID_PRINTER_NAME);
    EXPECT_EQ(calls.size(), 4u) << "three copies and the form feed switched off";

    // PrintBMP reports a failure as -1 and its reason in the last error.
    printResults = {-1, 0, 0};
    printErrors = {ERROR_FILE_NOT_FOUND};
    EXPECT_EQ(sw::PrintBypassingDriver("Laser", "C:\\a.bmp", sw::BitmapPlacementSource::StoredOnly),
              ERROR_FILE_NOT_FOUND);
}

} // namespace
