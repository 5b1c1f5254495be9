// The program's folder, found from the running program's own file, whole
// however long the program's path is: a path cut short would name another
// folder.
#include "common/program_folder.h"
#include "support/program_driver.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>

namespace {

constexpr char kProbe[] = "program_folder_probe.exe";

// A folder in TEMP in which the probe's path is exactly `length` characters.
std::string FolderForProbePath(std::size_t length) {
    std::string folder = swtest::TempPath() + "swdeep";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::size_t folderLength = length - 1 - std::string(kProbe).size();
    while (folder.size() < folderLength) {
        const std::size_t name = std::min<std::size_t>(60, folderLength - folder.size() - 1);
        folder += "\\" + std::string(name == 0 ? 1 : name, 'd');
        CreateDirectoryA(folder.c_str(), nullptr);
    }
    return folder;
}

// Runs the probe copied into `folder`; the folder it reports.
std::string FolderReportedFrom(const std::string& folder) {
    const std::string copy = folder + "\\" + kProbe;
    if (!CopyFileA((swtest::TestProgramFolder() + kProbe).c_str(), copy.c_str(), FALSE)) {
        ADD_FAILURE() << "cannot copy the probe, error " << GetLastError();
        return std::string();
    }
    const swtest::TempFile report("", ".txt");
    EXPECT_EQ(swtest::RunningProgram(copy, "\"" + report.Path() + "\"").WaitForExit(), 0u);
    DeleteFileA(copy.c_str());
    return swtest::ReadWholeFile(report.Path());
}

TEST(ProgramFolder, IsTheRunningProgramsFolderWithATrailingBackslash) {
    char own[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, own, MAX_PATH);
    const std::string path(own, length);
    EXPECT_EQ(sw::ProgramPath(), path);
    EXPECT_EQ(sw::ProgramFolder(), path.substr(0, path.rfind('\\') + 1));
}

// The longest path a program can be started from is MAX_PATH - 1 characters
// (neither Windows nor Wine starts one from a longer path).
TEST(ProgramFolder, ProgramsAtTheLongestPathFindTheirFolderWhole) {
    for (const std::size_t length : {std::size_t(100), std::size_t(MAX_PATH - 1)}) {
        const std::string folder = FolderForProbePath(length);
        ASSERT_EQ(folder.size() + 1 + std::string(kProbe).size(), length);
        EXPECT_EQ(FolderReportedFrom(folder), folder + "\\") << length << " characters";
    }
}

} // namespace
