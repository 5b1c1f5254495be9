// Printing through the word processor with a stand-in that records how it
// was started and which printer was the default while it ran: at WordPad's
// fixed path, and as the program of ".wri" documents (another word processor).
#include "common/library_text.h"
#include "printengine/swprint.h"
#include "support/program_driver.h"
#include "support/settings_file.h"
#include "support/temp_files.h"
#include "support/word_processor.h"
#include "wordprint/application_print.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

class ApplicationPrint : public swtest::SettingsFileTest {
  protected:
    void SetUp() override {
        swtest::SettingsFileTest::SetUp();
        previous_ = sw::TakeLibraryText(DefaultPrinter());
    }
    // Another word processor: the stand-in under a name without "WORDPAD".
    std::string AssociateOther() {
        other_.emplace(StandIn());
        association_.emplace(other_->Path());
        return other_->Path();
    }
    static std::string StandIn() { return swtest::ProgramFromEnvironment("SW_FAKE_WORDPAD"); }

    swtest::WordProcessorStandIn standIn_{"no-window"};
    std::optional<swtest::WordPadAtFixedPath> wordPad_;
    std::optional<swtest::OtherWordProcessor> other_;
    std::optional<swtest::WriAssociation> association_;
    std::string previous_;
};

TEST_F(ApplicationPrint, WordPadPrintsOnTheTargetPrinterWhichStaysDefaultUntilItEnds) {
    wordPad_.emplace(StandIn());
    EXPECT_EQ(sw::PrintWithApplication("sw_document", "C:\\docs\\a.doc"), 0);
    const std::string log = standIn_.Log();
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
    const std::string log = standIn_.Log();
    EXPECT_NE(log.find("COMMAND \"" + program + "\" \"C:\\docs\\a.doc\" /mPrintAndExit"),
              std::string::npos)
        << log;
    EXPECT_NE(log.find("DEVICE sw_document,"), std::string::npos) << log;
}

} // namespace
