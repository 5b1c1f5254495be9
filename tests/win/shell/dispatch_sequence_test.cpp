// The library calls of a local print, in order, recorded through the print
// library table: they leave no trace in the bytes (a flag switched off, the
// same placement asked for again).
#include "common/program_state.h"
#include "printroute/print_library_api.h"
#include "shell/print_dispatch.h"
#include "support/scoped_seam.h"
#include "support/settings_file.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> calls;

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
    return 0;
}
LONG WINAPI RecordPrintBmp(LPCSTR printer, LPCSTR file, double left, double top, double width,
                           double height) {
    std::ostringstream call;
    call << "PrintBMP(" << printer << "," << file << "," << left << "," << top << "," << width
         << "," << height << ")";
    calls.push_back(call.str());
    return 0;
}
std::int32_t RecordApplication(std::string_view printer, std::string_view file) {
    calls.push_back("PrintWithApplication(" + std::string(printer) + "," + std::string(file) + ")");
    return 0;
}

class DispatchSequence : public swtest::SettingsFileTest {
  protected:
    void SetUp() override {
        swtest::SettingsFileTest::SetUp();
        sw::PrintLibrary() = {RecordOrientation, RecordAutoformfeed, RecordPrintFile,
                              RecordPrintBmp, RecordApplication};
        calls.clear();
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
    Write("Printers AutoFormfeed", "Laser", "1");
    Write("Printers Orientation Laser", "Landscape status", "1");
    EXPECT_EQ(Dispatch("Laser", "C:\\letters\\a.doc"),
              (std::vector<std::string>{"PrintWithApplication(Laser,C:\\letters\\a.doc)"}));
}

TEST_F(DispatchSequence, NetworkPathWithoutColonIsLocal) {
    EXPECT_EQ(
        Dispatch("\\\\server\\laser", "C:\\a.prn"),
        (std::vector<std::string>{"PrintFile(\\\\server\\laser,C:\\a.prn)", "SetAutoformfeed(0)"}));
    calls.clear();
    // A remote printer without an announced companion prints nothing here.
    EXPECT_TRUE(Dispatch("site:laser", "C:\\a.prn").empty());
}

} // namespace
