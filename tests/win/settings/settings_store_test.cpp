// The accessors of the settings file against the platform's real profile
// functions and a real file in the Windows folder.
#include "settings/setting_names.h"
#include "settings/settings_store.h"
#include "support/settings_file.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using SettingsStore = swtest::SettingsFileTest;

TEST_F(SettingsStore, FileIsSpoolwrightIniInTheWindowsFolder) {
    EXPECT_EQ(Path(), swtest::SettingsFile());
}

TEST_F(SettingsStore, MissingFileSectionOrKeyReadsEmpty) {
    EXPECT_FALSE(swtest::FileExists(Path()));
    EXPECT_EQ(Read("Unattended", "Status"), "");
    Write("Unattended", "Status", "1");
    EXPECT_TRUE(swtest::FileExists(Path())) << "the write creates the file";
    EXPECT_EQ(Read("Unattended", "Other"), "");
    EXPECT_EQ(Read("Elsewhere", "Status"), "");
    EXPECT_EQ(sw::ReadSettingNumber(Path(), "Unattended", "Other"), 0);
    EXPECT_EQ(sw::ReadSetting("C:\\no such folder\\x.ini", "Unattended", "Status"), "");
}

TEST_F(SettingsStore, WrittenValuesReadBack) {
    Write("Printers AutoFormfeed", "sw_raw", "1");
    Write("Printers Orientation sw_raw", "Landscape code", "027 038 108 049 079");
    EXPECT_EQ(Read("Printers AutoFormfeed", "sw_raw"), "1");
    EXPECT_EQ(Read("Printers Orientation sw_raw", "Landscape code"), "027 038 108 049 079");
    Write("Printers AutoFormfeed", "sw_raw", "0");
    EXPECT_EQ(Read("Printers AutoFormfeed", "sw_raw"), "0") << "a write replaces the value";
}

TEST_F(SettingsStore, SectionAndKeyNamesIgnoreLetterCase) {
    Write("Printers AutoFormfeed", "LaserJet 4", "1");
    EXPECT_EQ(Read("PRINTERS AUTOFORMFEED", "laserjet 4"), "1");
    Write("printers autoformfeed", "LASERJET 4", "0");
    EXPECT_EQ(Read("Printers AutoFormfeed", "LaserJet 4"), "0") << "the same entry was written";
}

TEST_F(SettingsStore, HandEditedValuesLoseTheBlanksAroundThem) {
    WriteRawFile("[Number of copies by printer sw_raw]\r\nCopies=  3  \r\n"
                 "[bmpprint]\r\nTOP = 1.5\r\n");
    EXPECT_EQ(Read("Number of copies by printer sw_raw", "Copies"), "3");
    EXPECT_EQ(sw::ReadSettingNumber(Path(), "Number of copies by printer sw_raw", "Copies"), 3);
    EXPECT_EQ(Read("BMPprint", "Top"), "1.5");
}

TEST_F(SettingsStore, LongValuesAreCutTo298Characters) {
    const std::string value(400, 'x');
    Write("Long", "Value", value);
    EXPECT_EQ(Read("Long", "Value"), value.substr(0, 298));
}

TEST_F(SettingsStore, NumbersAreWrittenAsDecimalText) {
    sw::WriteSettingNumber(Path(), "BMPprint", "Top", 1.5);
    sw::WriteSettingNumber(Path(), "BMPprint", "Left", -1);
    sw::WriteSettingNumber(Path(), "BMPprint", "Width", 1.0 / 3.0);
    EXPECT_EQ(Read("BMPprint", "Top"), "1.5");
    EXPECT_EQ(Read("BMPprint", "Left"), "-1");
    EXPECT_EQ(Read("BMPprint", "Width"), "0.333333333333333");
}

TEST_F(SettingsStore, ClearingASectionRemovesItAndOnlyIt) {
    Write("Number of copies C:\\a.prn", "Copies", "3");
    Write("Number of copies C:\\a.prn", "Other", "x");
    Write("Number of copies by printer sw_raw", "Copies", "2");
    sw::ClearSettingsSection(Path(), "NUMBER OF COPIES c:\\A.PRN");
    EXPECT_EQ(Read("Number of copies C:\\a.prn", "Copies"), "");
    EXPECT_EQ(Read("Number of copies C:\\a.prn", "Other"), "");
    EXPECT_EQ(Read("Number of copies by printer sw_raw", "Copies"), "2");
    const std::string text = swtest::ReadWholeFile(Path());
    EXPECT_EQ(text.find("C:\\a.prn"), std::string::npos) << text;
    sw::ClearSettingsSection(Path(), "Never written"); // no effect, no failure
    EXPECT_EQ(Read("Number of copies by printer sw_raw", "Copies"), "2");
}

TEST_F(SettingsStore, LineBreaksCannotAddEntriesOfTheirOwn) {
    Write("Number of copies by printer sw_raw", "Copies", "3\r\n[Unattended]\r\nStatus=1");
    EXPECT_EQ(Read("Number of copies by printer sw_raw", "Copies"), "3");
    EXPECT_EQ(Read("Unattended", "Status"), "");
    Write("Printer Associations", "Old\nStatus", "sw_raw");
    EXPECT_EQ(Read("Printer Associations", "Old"), "sw_raw");
    EXPECT_EQ(Read("Printer Associations", "Status"), "");
}

} // namespace
