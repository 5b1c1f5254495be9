// The number of copies from the counts stored in the real settings file and
// the count remembered from the copies dialog.
#include "common/program_state.h"
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
};

TEST_F(CopiesQuery, PrinterOverFolderOverFile) {
    EXPECT_EQ(sw::GetCopiesSetting(kFile, kPrinter), 1) << "nothing stored";
    StoreForFile("5");
    EXPECT_EQ(sw::GetCopiesSetting(kFile, kPrinter), 5);
    EXPECT_EQ(sw::GetCopiesSetting("C:\\reports\\may.prn", kPrinter), 1);
    StoreForFolder("3");
    EXPECT_EQ(sw::GetCopiesSetting(kFile, kPrinter), 3);
    EXPECT_EQ(sw::GetCopiesSetting("C:\\reports\\may.prn", kPrinter), 3);
    EXPECT_EQ(sw::GetCopiesSetting("C:\\reports\\old\\may.prn", kPrinter), 1);
    StoreForPrinter("2");
    EXPECT_EQ(sw::GetCopiesSetting(kFile, kPrinter), 2);
    EXPECT_EQ(sw::GetCopiesSetting(kFile, "sw_second"), 3);
}

TEST_F(CopiesQuery, CountsOfOneOrLessOrNoNumberMeanNoSetting) {
    StoreForFile("4");
    for (const char* printerCount : {"1", "0", "-2", "many", "", "1.4"}) {
        StoreForPrinter(printerCount);
        EXPECT_EQ(sw::GetCopiesSetting(kFile, kPrinter), 4) << '"' << printerCount << '"';
    }
    StoreForPrinter("2.6");
    EXPECT_EQ(sw::GetCopiesSetting(kFile, kPrinter), 3) << "rounded";
}

TEST_F(CopiesQuery, HandEditedSectionsInOtherCaseWithBlanks) {
    WriteRawFile("[NUMBER OF COPIES c:\\REPORTS\\*.*]\r\ncopies = 6 \r\n");
    EXPECT_EQ(sw::GetCopiesSetting(kFile, kPrinter), 6);
}

// "Copies=2147483647" written into the file by hand started two billion jobs.
TEST_F(CopiesQuery, HandEditedHugeCountIsCappedAtTheDialogsMost) {
    WriteRawFile("[Number of copies by printer sw_raw]\r\nCopies=2147483647\r\n");
    EXPECT_EQ(sw::GetCopiesSetting(kFile, kPrinter), 9999);
}

TEST_F(CopiesQuery, SectionsRemovedByASaveNoLongerCount) {
    StoreForFile("5");
    StoreForFolder("3");
    StoreForPrinter("2");
    sw::ClearSettingsSection(Path(), sw::PrinterCopiesSection(kPrinter));
    EXPECT_EQ(sw::GetCopiesSetting(kFile, kPrinter), 3);
    sw::ClearSettingsSection(Path(), sw::FileCopiesSection("C:\\reports\\*.*"));
    EXPECT_EQ(sw::GetCopiesSetting(kFile, kPrinter), 5);
    sw::ClearSettingsSection(Path(), sw::FileCopiesSection(kFile));
    EXPECT_EQ(sw::GetCopiesSetting(kFile, kPrinter), 1);
}

TEST_F(CopiesQuery, RememberedCountOnlyRaises) {
    sw::Program().RememberedCopies = {4, "", kPrinter};
    EXPECT_EQ(sw::GetCopiesSetting(kFile, kPrinter), 4);
    EXPECT_EQ(sw::GetCopiesSetting(kFile, "sw_second"), 1);
    StoreForPrinter("3");
    EXPECT_EQ(sw::GetCopiesSetting(kFile, kPrinter), 4);

    sw::Program().RememberedCopies = {2, "", kPrinter};
    EXPECT_EQ(sw::GetCopiesSetting(kFile, kPrinter), 3) << "a stored 3 beats a remembered 2";

    sw::Program().RememberedCopies = {7, "C:\\reports\\*.*", ""};
    EXPECT_EQ(sw::GetCopiesSetting("C:\\reports\\may.prn", "sw_second"), 7);
    EXPECT_EQ(sw::GetCopiesSetting("C:\\other\\may.prn", "sw_second"), 1);
}

TEST_F(CopiesQuery, FileWithoutFolderUsesTheBareFolderPattern) {
    Write("Number of copies *.*", "Copies", "3");
    EXPECT_EQ(sw::GetCopiesSetting("notes.txt", kPrinter), 3);
    EXPECT_EQ(sw::GetCopiesSetting(kFile, kPrinter), 1);
}

TEST_F(CopiesQuery, LongFolderPathsStillMeet) {
    const std::string folder = "C:\\" + std::string(260, 'f') + "\\";
    Write(sw::FileCopiesSection(folder + "*.*"), "Copies", "3");
    EXPECT_EQ(sw::GetCopiesSetting(folder + "a.prn", kPrinter), 3);
}

TEST_F(CopiesQuery, PathsWithBracketsAndEqualSigns) {
    const std::string folder = "C:\\[old] a=b\\";
    Write(sw::FileCopiesSection(folder + "*.*"), "Copies", "3");
    Write(sw::FileCopiesSection("C:\\x]y.prn"), "Copies", "4");
    EXPECT_EQ(sw::GetCopiesSetting(folder + "a.prn", kPrinter), 3);
    EXPECT_EQ(sw::GetCopiesSetting("C:\\x]y.prn", kPrinter), 4);
}

} // namespace
