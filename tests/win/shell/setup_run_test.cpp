// The set-up run "ACSI" and the Send To entry made at every start: the
// shortcuts land in the shell's folders and point at the program itself.
#include "common/library_text.h"
#include "printengine/swprint.h"
#include "support/print_server.h"
#include "support/program_driver.h"
#include "support/settings_file.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

namespace {

std::string Folder(LONG number) {
    return sw::TakeLibraryText(strWhereFolder(&number)) + "\\";
}

class SetupRun : public swtest::SettingsFileTest {
  protected:
    void TearDown() override {
        // The help viewer and the companion the set-up run started: they would
        // hold the test runner's output open.
        swtest::RunHostCommand("pkill -f -i winhlp32; pkill -f -i remsw.exe; true");
        swtest::SettingsFileTest::TearDown();
    }
};

TEST_F(SetupRun, MakesTheShortcutsAndWritesTheDefaultPatterns) {
    const std::string startup = Folder(7) + "SWRemote.lnk";
    const std::string desktop = Folder(16) + "SpoolwrightFarreach.lnk";
    const std::string sendTo = Folder(9) + "SpoolwrightFarreach.lnk";
    for (const std::string& path : {startup, desktop, sendTo})
        DeleteFileA(path.c_str());

    auto program = swtest::StartProgram("ACSI");
    HWND window = program.WaitForWindow("SpoolwrightFarreach");
    ASSERT_NE(window, nullptr) << "the set-up run ends in a normal start";
    EXPECT_TRUE(swtest::WaitFor([&] { return swtest::FileExists(sendTo); })) << sendTo;
    EXPECT_TRUE(swtest::FileExists(startup)) << startup;
    EXPECT_TRUE(swtest::FileExists(desktop)) << desktop;
    EXPECT_EQ(Read("NoBypass", "File_001"), "*.doc");
    EXPECT_EQ(Read("NoBypass", "File_002"), "*.wri");
    EXPECT_EQ(Read("NoBypass", "File_003"), "*.rtf");
    // The desktop shortcut starts this very program, wherever it is.
    const std::string link = swtest::ReadWholeFile(desktop);
    EXPECT_NE(link.find("swutil.exe"), std::string::npos);
}

} // namespace
