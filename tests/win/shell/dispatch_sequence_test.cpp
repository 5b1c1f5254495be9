// The library calls of a local print, in order, as the recorder of library
// calls sees them.
#include "printroute/driver_bypass_print.h"
#include "shell/print_dispatch.h"
#include "shell/program_state.h"
#include "support/library_call_recorder.h"
#include "support/settings_file.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class DispatchSequence : public swtest::SettingsFileTest {
  protected:
    void SetUp() override {
        swtest::SettingsFileTest::SetUp();
        Write("NoBypass", "File_001", "*.doc");
    }
    std::vector<std::string> Dispatch(const std::string& printer, const std::string& file) {
        sw::DispatchPrint(printer, file);
        return library_.Texts();
    }

    swtest::LibraryCallRecorder library_;
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
        library_.Clear();
        library_.applicationResult = c.application;
        EXPECT_EQ(sw::DispatchPrint(c.printer, c.file), c.result) << c.printer << " " << c.file;
        EXPECT_EQ(library_.Texts().size(), c.calls) << c.printer << " " << c.file;
    }
}

TEST_F(DispatchSequence, NetworkPathWithoutColonIsLocal) {
    EXPECT_EQ(
        Dispatch("\\\\server\\laser", "C:\\a.prn"),
        (std::vector<std::string>{"PrintFile(\\\\server\\laser,C:\\a.prn)", "SetAutoformfeed(0)"}));
    library_.Clear();
    // A remote printer without an announced companion prints nothing here.
    EXPECT_EQ(sw::DispatchPrint("site:laser", "C:\\a.prn"), ERROR_NOT_READY);
    EXPECT_TRUE(library_.Texts().empty());
}

// Every copy is tried; the result is the first failure, so that a copy that
// failed is never hidden by one that printed after it.
TEST_F(DispatchSequence, FirstFailingCopyIsTheResult) {
    Write("Number of copies by printer Laser", "Copies", "3");
    library_.printResults = {0, ERROR_INVALID_PRINTER_NAME, ERROR_ACCESS_DENIED};
    EXPECT_EQ(sw::PrintBypassingDriver("Laser", "C:\\a.prn", sw::kUnattendedRules, {}),
              ERROR_INVALID_PRINTER_NAME);
    EXPECT_EQ(library_.Texts().size(), 4u) << "three copies and the form feed switched off";

    // PrintBMP reports a failure as -1 and its reason in the last error.
    library_.printResults = {-1, 0, 0};
    library_.printErrors = {ERROR_FILE_NOT_FOUND};
    EXPECT_EQ(sw::PrintBypassingDriver("Laser", "C:\\a.bmp", sw::kUnattendedRules, {}),
              ERROR_FILE_NOT_FOUND);
}

} // namespace
