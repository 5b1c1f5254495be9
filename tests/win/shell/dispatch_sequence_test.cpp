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
    swtest::LibraryCallRecorder library_;
};

// Each route as a row: the settings file as a user might have saved it, the
// print asked for, what the word processor answers, and the library calls the
// print makes, in order. The word processor says only whether it ran: a file
// or a printer that is not there is found before it starts (it would print
// nothing, or on the default printer), and a word processor that did not
// print is 1155. A remote printer without an announced companion prints
// nothing here.
TEST_F(DispatchSequence, EachRouteMakesItsLibraryCallsInOrder) {
    swtest::TempFile letter("letter", ".doc");
    const std::string missing = letter.Path() + ".gone.doc";
    const std::string toApplication = "PrintWithApplication(sw_raw," + letter.Path() + ")";
    const char laser[] = "[Printers Orientation Laser]\nLandscape status=";
    const struct {
        const char* name;
        std::string settings, printer, file;
        std::int32_t application, result;
        std::string calls;
    } cases[] = {
        {"landscape, form feed, three copies",
         "[Printers AutoFormfeed]\nLaser=1\n" + std::string(laser) +
             "1\nLandscape code=027 038 108 049 079\n"
             "[Number of copies by printer Laser]\nCopies=3\n",
         "Laser", "C:\\a.prn", 0, 0,
         "Orientation(-1,5,0) SetAutoformfeed(-1) PrintFile(Laser,C:\\a.prn) "
         "PrintFile(Laser,C:\\a.prn) PrintFile(Laser,C:\\a.prn) SetAutoformfeed(0) "
         "Orientation(0,5,0)"},
        {"portrait is set once, the form feed only switched off", laser + std::string("0"), "Laser",
         "C:\\a.prn", 0, 0, "Orientation(0,0,0) PrintFile(Laser,C:\\a.prn) SetAutoformfeed(0)"},
        {"no orientation leaves the library alone", laser + std::string("N"), "Laser", "C:\\a.prn",
         0, 0, "PrintFile(Laser,C:\\a.prn) SetAutoformfeed(0)"},
        {"a bitmap gets the stored placement for every copy",
         "[BMPprint]\nUseSaved=-1\nLeft=1.5\nTop=2\nWidth=3\nHeight=4\n"
         "[Number of copies by printer Laser]\nCopies=2\n",
         "Laser", "C:\\photo.BMP", 0, 0,
         "PrintBMP(Laser,C:\\photo.BMP,1.5,2,3,4) PrintBMP(Laser,C:\\photo.BMP,1.5,2,3,4) "
         "SetAutoformfeed(0)"},
        {"a bypass pattern goes to the word processor only",
         "[Printers AutoFormfeed]\nsw_raw=1\n[Printers Orientation sw_raw]\nLandscape status=1\n",
         "sw_raw", letter.Path(), 0, 0, toApplication},
        {"the word processor prints", "", "sw_raw", letter.Path(), 0, 0, toApplication},
        {"a missing file", "", "sw_raw", missing, 0, ERROR_FILE_NOT_FOUND, ""},
        {"a missing printer", "", "sw_removed_queue", letter.Path(), 0, ERROR_INVALID_PRINTER_NAME,
         ""},
        {"a word processor that did not print", "", "sw_raw", letter.Path(), -2,
         ERROR_NO_ASSOCIATION, toApplication},
        {"a network path without colon is local", "", "\\\\server\\laser", "C:\\a.prn", 0, 0,
         "PrintFile(\\\\server\\laser,C:\\a.prn) SetAutoformfeed(0)"},
        {"a remote printer without companion", "", "site:laser", "C:\\a.prn", 0, ERROR_NOT_READY,
         ""},
    };
    for (const auto& c : cases) {
        WriteRawFile(c.settings);
        Write("NoBypass", "File_001", "*.doc");
        library_.Clear();
        library_.applicationResult = c.application;
        EXPECT_EQ(sw::DispatchPrint(c.printer, c.file), c.result) << c.name;
        std::string calls;
        for (const std::string& text : library_.Texts())
            calls += (calls.empty() ? "" : " ") + text;
        EXPECT_EQ(calls, c.calls) << c.name;
    }
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
