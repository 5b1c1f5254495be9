// The help topic when the help file is missing: nothing is opened, since the
// viewer would answer with a message box of its own that holds up the
// caller, a set-up run included.
#include "common/program_folder.h"
#include "info/help_topic.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// True when a help viewer window appears within a few seconds.
bool HelpViewerAppears() {
    for (int tries = 0; tries < 40; ++tries) {
        if (FindWindowA("MS_WINHELP", nullptr) != nullptr)
            return true;
        Sleep(100);
    }
    return false;
}

TEST(HelpTopic, MissingHelpFileOpensNoViewer) {
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, MAX_PATH);
    if (swtest::FileExists(std::string(windows) + "\\" + sw::kHelpFileName))
        GTEST_SKIP() << "a help file in the Windows folder is found by its bare name";
    // The test's folder is also its current folder.
    const std::string beside = sw::ProgramFolder() + sw::kHelpFileName;
    const std::string aside = beside + ".aside";
    ASSERT_TRUE(MoveFileExA(beside.c_str(), aside.c_str(), MOVEFILE_REPLACE_EXISTING))
        << "error " << GetLastError();

    EXPECT_EQ(sw::HelpFilePath(), sw::kHelpFileName);
    sw::ShowHelpTopic(nullptr, sw::kHelpContents);
    const bool shown = HelpViewerAppears();
    EXPECT_TRUE(MoveFileExA(aside.c_str(), beside.c_str(), MOVEFILE_REPLACE_EXISTING))
        << "error " << GetLastError();
    EXPECT_FALSE(shown);
}

} // namespace
