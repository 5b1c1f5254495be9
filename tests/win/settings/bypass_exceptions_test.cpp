// The driver-bypass exceptions against the pattern list in the real settings file.
#include "settings/bypass_exceptions.h"
#include "support/settings_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using BypassExceptions = swtest::SettingsFileTest;
using Patterns = std::vector<std::string>;

TEST_F(BypassExceptions, WithoutTheSectionEveryFileBypasses) {
    EXPECT_FALSE(sw::IsBypassException("report.doc"));
    EXPECT_EQ(sw::ReadBypassPatterns(), Patterns{});
}

TEST_F(BypassExceptions, DefaultsMakeDocWriAndRtfExceptions) {
    sw::WriteDefaultBypassPatterns();
    EXPECT_EQ(Read("NoBypass", "File_001"), "*.doc");
    EXPECT_EQ(Read("NoBypass", "File_002"), "*.wri");
    EXPECT_EQ(Read("NoBypass", "File_003"), "*.rtf");
    EXPECT_TRUE(sw::IsBypassException("REPORT.DOC"));
    EXPECT_TRUE(sw::IsBypassException("C:\\letters\\old.wri"));
    EXPECT_TRUE(sw::IsBypassException("a.b.rtf"));
    EXPECT_FALSE(sw::IsBypassException("report.prn"));
    EXPECT_FALSE(sw::IsBypassException("report.docx"));
    EXPECT_FALSE(sw::IsBypassException("C:\\x.doc\\readme")) << "the folder does not count";
}

TEST_F(BypassExceptions, DefaultsLeaveFurtherKeysAsTheyAre) {
    Write("NoBypass", "File_004", "*.pcl");
    sw::WriteDefaultBypassPatterns();
    EXPECT_EQ(sw::ReadBypassPatterns(), (Patterns{"*.doc", "*.wri", "*.rtf", "*.pcl"}));
}

// A reinstall runs the set-up again over the user's own list.
TEST_F(BypassExceptions, DefaultsKeepAStoredListAsItIs) {
    sw::SaveBypassPatterns({"*.doc", "*.txt", "*.pdf", "*.wri"}, 0);
    sw::WriteDefaultBypassPatterns();
    EXPECT_EQ(sw::ReadBypassPatterns(), (Patterns{"*.doc", "*.txt", "*.pdf", "*.wri"}));
}

TEST_F(BypassExceptions, FileWithoutExtensionAlwaysBypasses) {
    Write("NoBypass", "File_001", "*");
    EXPECT_FALSE(sw::IsBypassException("readme"));
    EXPECT_FALSE(sw::IsBypassException("readme."));
    EXPECT_TRUE(sw::IsBypassException("readme.txt"));
    Write("NoBypass", "File_001", "*.*");
    EXPECT_FALSE(sw::IsBypassException("readme"));
    EXPECT_TRUE(sw::IsBypassException("notes.txt"));
}

TEST_F(BypassExceptions, AnEmptyKeyEndsTheList) {
    WriteRawFile("[nobypass]\r\nfile_001 = *.doc \r\nFILE_002=\r\nFile_003=*.txt\r\n");
    EXPECT_TRUE(sw::IsBypassException("a.doc"));
    EXPECT_FALSE(sw::IsBypassException("a.txt"));
    EXPECT_EQ(sw::ReadBypassPatterns(), Patterns{"*.doc"});
    WriteRawFile("[NoBypass]\r\nFile_002=*.txt\r\n");
    EXPECT_FALSE(sw::IsBypassException("a.txt")) << "the list starts at File_001";
}

TEST_F(BypassExceptions, TheDialogSeesAtMost79CharactersOfAPattern) {
    const std::string pattern = std::string(100, 'a') + ".doc";
    Write("NoBypass", "File_001", pattern);
    EXPECT_EQ(sw::ReadBypassPatterns(), Patterns{pattern.substr(0, 79)});
    EXPECT_TRUE(sw::IsBypassException(pattern)) << "the query reads the pattern whole";
}

TEST_F(BypassExceptions, ShorterListLeavesEmptyKeysBehind) {
    Write("NoBypass", "File_001", "*.a");
    Write("NoBypass", "File_002", "*.b");
    Write("NoBypass", "File_003", "*.c");
    Write("NoBypass", "File_004", "*.d");
    Write("NoBypass", "File_005", "*.e");
    const int opened = static_cast<int>(sw::ReadBypassPatterns().size());
    const int keys = sw::SaveBypassPatterns({"*.a", "*.b", "*.d", "*.e"}, opened);
    EXPECT_EQ(Read("NoBypass", "File_004"), "*.e");
    EXPECT_EQ(Read("NoBypass", "File_005"), "");
    EXPECT_EQ(sw::ReadBypassPatterns(), (Patterns{"*.a", "*.b", "*.d", "*.e"}));
    EXPECT_FALSE(sw::IsBypassException("x.c"));
    EXPECT_EQ(keys, 5);
}

TEST_F(BypassExceptions, LongerListRaisesTheKeyCount) {
    sw::WriteDefaultBypassPatterns();
    const int opened = static_cast<int>(sw::ReadBypassPatterns().size());
    EXPECT_EQ(sw::SaveBypassPatterns({"*.doc", "*.rtf", "*.txt", "*.wri"}, opened), 4);
    EXPECT_EQ(sw::ReadBypassPatterns(), (Patterns{"*.doc", "*.rtf", "*.txt", "*.wri"}));
    EXPECT_TRUE(sw::IsBypassException("notes.TXT"));
}

TEST_F(BypassExceptions, PatternOfBlanksOnlyDoesNotEndTheList) {
    sw::SaveBypassPatterns({"   ", " *.doc ", "*.wri"}, 0);
    EXPECT_EQ(sw::ReadBypassPatterns(), (Patterns{"*.doc", "*.wri"}));
    EXPECT_TRUE(sw::IsBypassException("a.wri"));
}

TEST_F(BypassExceptions, NegativeKeyCountIsTreatedAsNone) {
    EXPECT_EQ(sw::SaveBypassPatterns({"*.doc"}, -3), 1);
    EXPECT_TRUE(sw::IsBypassException("a.doc"));
}

} // namespace
