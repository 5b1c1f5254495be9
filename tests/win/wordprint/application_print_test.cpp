// Printing through the word processor with a stand-in that records how it
// was started and which printer was the default while it ran: at WordPad's
// fixed path, and as the program of ".wri" documents (another word processor).
#include "common/library_text.h"
#include "printengine/swprint.h"
#include "support/program_driver.h"
#include "support/settings_file.h"
#include "support/temp_files.h"
#include "wordprint/application_print.h"

#include <gtest/gtest.h>

namespace {

const char kFixedFolder[] = "C:\\Program Files\\Accessories";
const char kFixedPath[] = "C:\\Program Files\\Accessories\\Wordpad.exe";

std::string TempFolder() {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    return folder;
}

class ApplicationPrint : public swtest::FreshSettingsTest {
  protected:
    void SetUp() override {
        swtest::FreshSettingsTest::SetUp();
        log_ = TempFolder() + "word-standin.log";
        DeleteFileA(log_.c_str());
        SetEnvironmentVariableA("SW_FAKE_WORDPAD_LOG", log_.c_str());
        SetEnvironmentVariableA("SW_FAKE_WORDPAD_MODE", "no-window");
        previous_ = sw::TakeLibraryText(DefaultPrinter());
    }
    void TearDown() override {
        DeleteFileA(kFixedPath);
        RemoveDirectoryA(kFixedFolder);
        SetValue(".wri", original_);
        DeleteFileA(log_.c_str());
        swtest::FreshSettingsTest::TearDown();
    }
    void PutAtFixedPath() {
        CreateDirectoryA(kFixedFolder, nullptr);
        ASSERT_TRUE(CopyFileA(StandIn().c_str(), kFixedPath, FALSE)) << GetLastError();
    }
    // Another word processor: the stand-in under a name without "WORDPAD".
    std::string AssociateOther() {
        const std::string program = TempFolder() + "otherword.exe";
        EXPECT_TRUE(CopyFileA(StandIn().c_str(), program.c_str(), FALSE));
        char value[256] = {};
        LONG size = sizeof(value);
        RegQueryValueA(HKEY_CLASSES_ROOT, ".wri", value, &size);
        original_ = value;
        SetValue(".wri", "SwTest.OtherWord");
        SetValue("SwTest.OtherWord\\shell\\open\\command", "\"" + program + "\" \"%1\"");
        return program;
    }
    std::string Logged() const {
        return swtest::FileExists(log_) ? swtest::ReadWholeFile(log_) : std::string();
    }
    std::string previous_;

  private:
    static std::string StandIn() { return swtest::ProgramFromEnvironment("SW_FAKE_WORDPAD"); }
    static void SetValue(const char* key, const std::string& value) {
        RegSetValueA(HKEY_CLASSES_ROOT, key, REG_SZ, value.c_str(),
                     static_cast<DWORD>(value.size()));
    }
    std::string log_;
    std::string original_ = "wrifile";
};

TEST_F(ApplicationPrint, WordPadPrintsOnTheTargetPrinterWhichStaysDefaultUntilItEnds) {
    PutAtFixedPath();
    EXPECT_EQ(sw::PrintWithApplication("sw_document", "C:\\docs\\a.doc"), 0);
    const std::string log = Logged();
    EXPECT_NE(
        log.find("COMMAND \"C:\\Program Files\\Accessories\\Wordpad.exe\" C:\\docs\\a.doc /p"),
        std::string::npos)
        << log;
    EXPECT_NE(log.find("DEVICE sw_document,"), std::string::npos) << log;
    EXPECT_EQ(sw::TakeLibraryText(DefaultPrinter()), previous_);
}

TEST_F(ApplicationPrint, MacroIsNotRecordedWhenTheWordProcessorNeverTakesTheFocus) {
    AssociateOther();
    // The stand-in ends at once, without a window: nothing can be typed.
    EXPECT_EQ(sw::PrintWithApplication("sw_document", "C:\\docs\\a.doc"), -2);
    EXPECT_EQ(Read("Word documents", "Macro added"), "");
    EXPECT_EQ(sw::TakeLibraryText(DefaultPrinter()), previous_);
}

TEST_F(ApplicationPrint, InstalledMacroPrintsTheDocumentWithItsSwitch) {
    const std::string program = AssociateOther();
    Write("Word documents", "Macro added", "1");
    EXPECT_EQ(sw::PrintWithApplication("sw_document", "C:\\docs\\a.doc"), 0);
    const std::string log = Logged();
    EXPECT_NE(log.find("COMMAND \"" + program + "\" \"C:\\docs\\a.doc\" /mPrintAndExit"),
              std::string::npos)
        << log;
    EXPECT_NE(log.find("DEVICE sw_document,"), std::string::npos) << log;
}

} // namespace
