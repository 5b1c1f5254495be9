// The remote sites file "SWRemote.txt" in the Windows folder: what adding and
// removing leave in it, and that a rewrite never leaves it half written.
#include "remote/remote_sites.h"
#include "remote/remote_sites_file.h"
#include "support/file_writer.h"
#include "support/print_server.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

namespace {

class RemoteSitesFile : public testing::Test {
  protected:
    void SetUp() override { DeleteFileA(sw::RemoteSitesFile().c_str()); }
    void TearDown() override { DeleteFileA(sw::RemoteSitesFile().c_str()); }
    static std::string Text() { return swtest::ReadWholeFile(sw::RemoteSitesFile()); }
};

TEST_F(RemoteSitesFile, LivesInTheWindowsFolder) {
    char folder[MAX_PATH] = {};
    GetWindowsDirectoryA(folder, sizeof(folder));
    EXPECT_EQ(sw::RemoteSitesFile(), std::string(folder) + "\\SWRemote.txt");
}

TEST_F(RemoteSitesFile, AddingToAMissingFileCreatesItsOneLine) {
    sw::AddRemoteSite("10.0.0.5");
    EXPECT_EQ(Text(), "10.0.0.5\r\n");
}

TEST_F(RemoteSitesFile, AddingAppendsAndRemovingDropsEveryEqualEntry) {
    ASSERT_TRUE(
        swtest::WriteToFile(sw::RemoteSitesFile(), "old|line\r\n10.0.0.5|10.0.0.6\r\n\r\n"));
    sw::AddRemoteSite(" 10.0.0.7 ");
    EXPECT_EQ(Text(), "old|line|10.0.0.5|10.0.0.6|10.0.0.7\r\n");
    sw::AddRemoteSite("10.0.0.6");
    sw::RemoveRemoteSite("10.0.0.6 ");
    EXPECT_EQ(Text(), "old|line|10.0.0.5|10.0.0.7\r\n");
    for (const char* site : {"old", "line", "10.0.0.5", "10.0.0.7"})
        sw::RemoveRemoteSite(site);
    EXPECT_EQ(Text(), "\r\n");
}

TEST_F(RemoteSitesFile, ARewriteLeavesNoScratchFileBehind) {
    sw::AddRemoteSite("a");
    sw::AddRemoteSite("b");
    char folder[MAX_PATH] = {};
    GetWindowsDirectoryA(folder, sizeof(folder));
    EXPECT_EQ(swtest::FolderListing(folder, "swr*.tmp"), std::vector<std::string>{})
        << "left behind";
}

TEST_F(RemoteSitesFile, AFailedRewriteKeepsTheOldFileWhole) {
    // A file another program holds open without sharing cannot be replaced:
    // the rewrite fails and the old list stays as it was.
    ASSERT_TRUE(swtest::WriteToFile(sw::RemoteSitesFile(), "10.0.0.5|10.0.0.6\r\n"));
    HANDLE held = CreateFileA(sw::RemoteSitesFile().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(sw::WriteSitesFile(sw::RemoteSitesFile(), {"replaced"}));
    CloseHandle(held);
    EXPECT_EQ(Text(), "10.0.0.5|10.0.0.6\r\n");
}

TEST_F(RemoteSitesFile, FoldersOfTheFileAreCreatedFirst) {
    const swtest::TempFolder sites("-sites", swtest::RunFolder());
    const std::string path = sites.In("deeper\\deepest\\SWRemote.txt");
    EXPECT_TRUE(sw::AddSiteToFile(path, "printhost"));
    EXPECT_EQ(swtest::ReadWholeFile(path), "printhost\r\n");
}

TEST_F(RemoteSitesFile, ReadingAMissingFileGivesAnEmptyList) {
    const auto sites = sw::ReadSitesFile(sw::RemoteSitesFile());
    ASSERT_TRUE(sites);
    EXPECT_TRUE(sites->empty());
}

} // namespace
