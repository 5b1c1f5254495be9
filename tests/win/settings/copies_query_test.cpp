// The number of copies from the counts stored in the real settings file and
// the count remembered from the copies dialog.
#include "settings/copies_query.h"
#include "settings/setting_names.h"
#include "support/settings_file.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char kFile[] = "C:\\reports\\april.prn";
const char kPrinter[] = "sw_raw";

class CopiesQuery : public swtest::SettingsFileTest {
  protected:
    void StoreForFile(const std::string& count) {
        Write("Number of copies C:\\reports\\april.prn", "Copies", count);
    }
    void StoreForFolder(const std::string& count) {
        Write("Number of copies C:\\reports\\*.*", "Copies", count);
    }
    void StoreForPrinter(const std::string& count) {
        Write("Number of copies by printer sw_raw", "Copies", count);
    }
    sw::RememberedCopiesSetting remembered_; // nothing, until a test says so
};

TEST_F(CopiesQuery, PrinterOverFolderOverFile) {
    EXPECT_EQ(sw::GetCopiesSetting(kFile, kPrinter, remembered_), 1) << "nothing stored";
    StoreForFile("5");
    EXPECT_EQ(sw::GetCopiesSetting(kFile, kPrinter, remembered_), 5);
    EXPECT_EQ(sw::GetCopiesSetting("C:\\reports\\may.prn", kPrinter, remembered_), 1);
    StoreForFolder("3");
    EXPECT_EQ(sw::GetCopiesSetting(kFile, kPrinter, remembered_), 3);
    EXPECT_EQ(sw::GetCopiesSetting("C:\\reports\\may.prn", kPrinter, remembered_), 3);
    EXPECT_EQ(sw::GetCopiesSetting("C:\\reports\\old\\may.prn", kPrinter, remembered_), 1);
    StoreForPrinter("2");
    EXPECT_EQ(sw::GetCopiesSetting(kFile, kPrinter, remembered_), 2);
    EXPECT_EQ(sw::GetCopiesSetting(kFile, "sw_second", remembered_), 3);
}

TEST_F(CopiesQuery, CountsOfOneOrLessOrNoNumberMeanNoSetting) {
    StoreForFile("4");
    for (const char* printerCount : {"1", "0", "-2", "many", "", "1.4"}) {
        StoreForPrinter(printerCount);
        EXPECT_EQ(sw::GetCopiesSetting(kFile, kPrinter, remembered_), 4)
            << '"' << printerCount << '"';
    }
    StoreForPrinter("2.6");
    EXPECT_EQ(sw::GetCopiesSetting(kFile, kPrinter, remembered_), 3) << "rounded";
}

TEST_F(CopiesQuery, HandEditedSectionsInOtherCaseWithBlanks) {
    WriteRawFile("[NUMBER OF COPIES c:\\REPORTS\\*.*]\r\ncopies = 6 \r\n");
    EXPECT_EQ(sw::GetCopiesSetting(kFile, kPrinter, remembered_), 6);
}

// "Copies=2147483647" written into the file by hand started two billion jobs.
TEST_F(CopiesQuery, HandEditedHugeCountIsCappedAtTheDialogsMost) {
    WriteRawFile("[Number of copies by printer sw_raw]\r\nCopies=2147483647\r\n");
    EXPECT_EQ(sw::GetCopiesSetting(kFile, kPrinter, remembered_), 9999);
}

TEST_F(CopiesQuery, SectionsRemovedByASaveNoLongerCount) {
    StoreForFile("5");
    StoreForFolder("3");
    StoreForPrinter("2");
    sw::ClearSettingsSection(Path(), sw::PrinterCopiesSection(kPrinter));
    EXPECT_EQ(sw::GetCopiesSetting(kFile, kPrinter, remembered_), 3);
    sw::ClearSettingsSection(Path(), sw::FileCopiesSection("C:\\reports\\*.*"));
    EXPECT_EQ(sw::GetCopiesSetting(kFile, kPrinter, remembered_), 5);
    sw::ClearSettingsSection(Path(), sw::FileCopiesSection(kFile));
    EXPECT_EQ(sw::GetCopiesSetting(kFile, kPrinter, remembered_), 1);
}

TEST_F(CopiesQuery, RememberedCountOnlyRaises) {
    remembered_ = {4, "", kPrinter};
    EXPECT_EQ(sw::GetCopiesSetting(kFile, kPrinter, remembered_), 4);
    EXPECT_EQ(sw::GetCopiesSetting(kFile, "sw_second", remembered_), 1);
    StoreForPrinter("3");
    EXPECT_EQ(sw::GetCopiesSetting(kFile, kPrinter, remembered_), 4);

    remembered_ = {2, "", kPrinter};
    EXPECT_EQ(sw::GetCopiesSetting(kFile, kPrinter, remembered_), 3)
        << "a stored 3 beats a remembered 2";

    remembered_ = {7, "C:\\reports\\*.*", ""};
    EXPECT_EQ(sw::GetCopiesSetting("C:\\reports\\may.prn", "sw_second", remembered_), 7);
    EXPECT_EQ(sw::GetCopiesSetting("C:\\other\\may.prn", "sw_second", remembered_), 1);
}

TEST_F(CopiesQuery, FileWithoutFolderUsesTheBareFolderPattern) {
    Write("Number of copies *.*", "Copies", "3");
    EXPECT_EQ(sw::GetCopiesSetting("notes.txt", kPrinter, remembered_), 3);
    EXPECT_EQ(sw::GetCopiesSetting(kFile, kPrinter, remembered_), 1);
}

TEST_F(CopiesQuery, LongFolderPathsStillMeet) {
    const std::string folder = "C:\\" + std::string(260, 'f') + "\\";
    Write(sw::FileCopiesSection(folder + "*.*"), "Copies", "3");
    EXPECT_EQ(sw::GetCopiesSetting(folder + "a.prn", kPrinter, remembered_), 3);
}

TEST_F(CopiesQuery, PathsWithBracketsAndEqualSigns) {
    const std::string folder = "C:\\[old] a=b\\";
    Write(sw::FileCopiesSection(folder + "*.*"), "Copies", "3");
    Write(sw::FileCopiesSection("C:\\x]y.prn"), "Copies", "4");
    EXPECT_EQ(sw::GetCopiesSetting(folder + "a.prn", kPrinter, remembered_), 3);
    EXPECT_EQ(sw::GetCopiesSetting("C:\\x]y.prn", kPrinter, remembered_), 4);
}

} // namespace
