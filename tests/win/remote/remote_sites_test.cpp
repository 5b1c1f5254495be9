// The remote sites file "SWRemote.txt" in the Windows folder: what adding and
// removing leave in it, and that a rewrite never leaves it half written.
#include "remote/remote_sites.h"
#include "remote/remote_sites_file.h"
#include "support/print_server.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

namespace {

void WriteText(const std::string& path, const std::string& text) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

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
    WriteText(sw::RemoteSitesFile(), "old|line\r\n10.0.0.5|10.0.0.6\r\n\r\n");
    sw::AddRemoteSite(" 10.0.0.7 ");
    EXPECT_EQ(Text(), "10.0.0.5|10.0.0.6|10.0.0.7\r\n");
    sw::AddRemoteSite("10.0.0.6");
    sw::RemoveRemoteSite("10.0.0.6 ");
    EXPECT_EQ(Text(), "10.0.0.5|10.0.0.7\r\n");
    sw::RemoveRemoteSite("10.0.0.5");
    sw::RemoveRemoteSite("10.0.0.7");
    EXPECT_EQ(Text(), "\r\n");
}

TEST_F(RemoteSitesFile, ARewriteLeavesNoScratchFileBehind) {
    sw::AddRemoteSite("a");
    sw::AddRemoteSite("b");
    char folder[MAX_PATH] = {};
    GetWindowsDirectoryA(folder, sizeof(folder));
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((std::string(folder) + "\\swr*.tmp").c_str(), &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE) << "left behind: " << found.cFileName;
    if (search != INVALID_HANDLE_VALUE)
        FindClose(search);
}

TEST_F(RemoteSitesFile, AFailedRewriteKeepsTheOldFileWhole) {
    // A file another program holds open without sharing cannot be replaced:
    // the rewrite fails and the old list stays as it was.
    WriteText(sw::RemoteSitesFile(), "10.0.0.5|10.0.0.6\r\n");
    HANDLE held = CreateFileA(sw::RemoteSitesFile().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(sw::WriteSitesFile(sw::RemoteSitesFile(), {"replaced"}));
    CloseHandle(held);
    EXPECT_EQ(Text(), "10.0.0.5|10.0.0.6\r\n");
}

TEST_F(RemoteSitesFile, FoldersOfTheFileAreCreatedFirst) {
    const std::string folder =
        swtest::RunFolder() + "\\sites-" + std::to_string(GetCurrentProcessId()) + "\\deeper\\";
    const std::string path = folder + "SWRemote.txt";
    EXPECT_TRUE(sw::AddSiteToFile(path, "printhost"));
    EXPECT_EQ(swtest::ReadWholeFile(path), "printhost\r\n");
    DeleteFileA(path.c_str());
    RemoveDirectoryA(folder.c_str());
    RemoveDirectoryA(folder.substr(0, folder.size() - 7).c_str());
}

TEST_F(RemoteSitesFile, ReadingAMissingFileGivesAnEmptyList) {
    const auto sites = sw::ReadSitesFile(sw::RemoteSitesFile());
    ASSERT_TRUE(sites);
    EXPECT_TRUE(sites->empty());
}

} // namespace
