#include "settings/setting_names.h"

#include <gtest/gtest.h>

namespace {

// The platform trims blanks at the ends of section names, so a test against
// real files cannot see the blank between prefix and name; these can.
TEST(SettingNames, VariableSectionsHaveExactlyOneBlankAfterTheirPrefix) {
    EXPECT_EQ(sw::OrientationSection("P"), "Printers Orientation P");
    EXPECT_EQ(sw::OrientationSection(" P"), "Printers Orientation  P");
    EXPECT_EQ(sw::OrientationSection(""), "Printers Orientation ");
    EXPECT_EQ(sw::FileCopiesSection("C:\\reports\\a.prn"), "Number of copies C:\\reports\\a.prn");
    EXPECT_EQ(sw::FileCopiesSection("C:\\reports\\*.*"), "Number of copies C:\\reports\\*.*");
    EXPECT_EQ(sw::PrinterCopiesSection("LaserJet 4"), "Number of copies by printer LaserJet 4");
}

TEST(SettingNames, PatternKeysAreZeroPaddedToThreeDigits) {
    EXPECT_EQ(sw::BypassPatternKey(1), "File_001");
    EXPECT_EQ(sw::BypassPatternKey(12), "File_012");
    EXPECT_EQ(sw::BypassPatternKey(999), "File_999");
    EXPECT_EQ(sw::BypassPatternKey(1000), "File_1000");
    EXPECT_EQ(sw::BypassPatternKey(2147483647), "File_2147483647");
    EXPECT_EQ(sw::BypassPatternKey(0), "File_000");
    EXPECT_EQ(sw::BypassPatternKey(-5), "File_000");
}

TEST(SettingNames, SingleLineTextEndsAtTheFirstLineBreak) {
    EXPECT_EQ(sw::SingleLineText("3"), "3");
    EXPECT_EQ(sw::SingleLineText("3\r\n[Unattended]\r\nStatus=1"), "3");
    EXPECT_EQ(sw::SingleLineText("a\nb"), "a");
    EXPECT_EQ(sw::SingleLineText("\rb"), "");
    EXPECT_EQ(sw::SingleLineText(""), "");
}

} // namespace
