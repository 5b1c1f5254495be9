// The form-feed and orientation queries read the settings of the printer
// they are given from the real settings file at every call.
#include "settings/printer_queries.h"
#include "settings/setting_names.h"
#include "support/settings_file.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char kPrinter[] = "sw_raw";

class PrinterQueries : public swtest::SettingsFileTest {
  protected:
    // The printer's orientation, with the codes it converts into `landscape`
    // and `portrait`; the outputs keep what they held where nothing is written.
    std::int16_t Orientation(const std::string& printer) {
        return sw::GetOrientationSetting(printer, landscape, portrait);
    }
    std::string landscape = "as passed", portrait = "as passed";
};

TEST_F(PrinterQueries, AutoFormfeedIsTheNumberStoredUnderThePrinter) {
    EXPECT_EQ(sw::GetAutoFormfeedSetting(kPrinter), 0) << "no file";
    Write("Printers AutoFormfeed", "sw_second", "1");
    EXPECT_EQ(sw::GetAutoFormfeedSetting(kPrinter), 0) << "another printer's setting";
    Write("Printers AutoFormfeed", "sw_raw", "1");
    EXPECT_EQ(sw::GetAutoFormfeedSetting(kPrinter), 1);
    Write("Printers AutoFormfeed", "sw_raw", "0");
    EXPECT_EQ(sw::GetAutoFormfeedSetting(kPrinter), 0) << "read again at every call";
}

// The values a hand edit may leave are rows of the host tests.
TEST_F(PrinterQueries, AutoFormfeedOfAHandEditedFile) {
    WriteRawFile("[printers autoformfeed]\r\nLASERJET 4= 2.6 \r\n");
    EXPECT_EQ(sw::GetAutoFormfeedSetting("LaserJet 4"), 3);
}

TEST_F(PrinterQueries, LongPrinterNamesAreKeyedWhole) {
    const std::string longName = "Printer " + std::string(120, 'p');
    Write("Printers AutoFormfeed", longName.substr(0, 79), "1");
    EXPECT_EQ(sw::GetAutoFormfeedSetting(longName), 0)
        << "the first 79 characters name another printer";
    Write("Printers AutoFormfeed", longName, "1");
    EXPECT_EQ(sw::GetAutoFormfeedSetting(longName), 1);

    Write(sw::OrientationSection(longName), "Landscape status", "1");
    EXPECT_EQ(Orientation(longName), 1);
}

TEST_F(PrinterQueries, PrinterWithoutOrientationSectionHasNoOrientation) {
    EXPECT_EQ(Orientation(kPrinter), sw::kNoOrientation);
    EXPECT_EQ(landscape, "as passed");
    EXPECT_EQ(portrait, "as passed");
}

TEST_F(PrinterQueries, OrientationCodesBecomeBytes) {
    Write("Printers Orientation LaserJet 4", "Landscape code", "027 038 108 049 079");
    Write("Printers Orientation LaserJet 4", "Portrait code", "027 038 108 048 079");
    Write("Printers Orientation LaserJet 4", "Landscape status", "1");
    EXPECT_EQ(Orientation("LaserJet 4"), 1);
    EXPECT_EQ(landscape, "\x1B&l1O");
    EXPECT_EQ(portrait, "\x1B&l0O");
}

// The file loses the blanks around " N "; the other values are host rows.
TEST_F(PrinterQueries, OrientationStatusOfAHandEditedFile) {
    WriteRawFile("[Printers Orientation sw_raw]\r\nLandscape status= N \r\n");
    EXPECT_EQ(Orientation(kPrinter), sw::kNoOrientation);
    EXPECT_EQ(landscape, "as passed") << "no code stored";
}

TEST_F(PrinterQueries, HandEditedOrientationSectionInOtherLetterCase) {
    WriteRawFile("[PRINTERS ORIENTATION SW_RAW]\r\n"
                 "landscape code = 027 038 1 \r\n"
                 "PORTRAIT CODE=027 999\r\n"
                 "LANDSCAPE STATUS=1\r\n");
    EXPECT_EQ(Orientation(kPrinter), 1);
    EXPECT_EQ(landscape, "\x1B&\x01") << "a short last group converts and ends the text";
    EXPECT_EQ(portrait, "\x1B\xE7");
}

TEST_F(PrinterQueries, EmptyCodeLeavesTheOutputAndLongSequencesAreCut) {
    // Groups need no blanks between them, so 298 characters hold 99 codes.
    std::string longCode = "027";
    for (int i = 0; i < 100; ++i)
        longCode += "065";
    Write("Printers Orientation sw_raw", "Landscape code", longCode);
    Write("Printers Orientation sw_raw", "Portrait code", "");
    Write("Printers Orientation sw_raw", "Landscape status", "0");
    EXPECT_EQ(Orientation(kPrinter), 0);
    EXPECT_EQ(landscape, "\x1B" + std::string(78, 'A')) << "at most 79 bytes";
    EXPECT_EQ(portrait, "as passed");
}

} // namespace
