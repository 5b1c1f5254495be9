// Printing through the word processor with a stand-in that records how it
// was started and which printer was the default while it ran: at WordPad's
// fixed path, as the program of ".wri" documents (another word processor),
// named by WordPad's App Paths key, and, without any word processor, as the
// application whose "printto" verb prints the document.
#include "common/library_text.h"
#include "printengine/swprint.h"
#include "support/print_server.h"
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
        log.find("COMMAND \"C:\\Program Files\\Accessories\\Wordpad.exe\" \"C:\\docs\\a.doc\" /p"),
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

// Where no program opens ".wri" documents, WordPad is found through its App
// Paths key (a quoted value, as Windows writes it); the document's path is
// quoted, so that one with spaces names the document and nothing else.
TEST_F(ApplicationPrint, WordPadOfTheAppPathsKeyPrintsADocumentWithSpacesInItsPath) {
    const swtest::TempFolder programs(" Word Pad", swtest::RunFolder());
    const std::string wordPad = programs.In("WORDPAD.EXE");
    ASSERT_TRUE(CopyFileA(StandIn().c_str(), wordPad.c_str(), FALSE)) << GetLastError();
    swtest::WriAssociation none("");
    swtest::WordPadAppPath appPath("\"" + wordPad + "\"");
    const swtest::TempFolder documents(" My Documents", swtest::RunFolder());
    const std::string letter = documents.Write("My Letter.doc", "letter");

    EXPECT_EQ(sw::PrintWithApplication("sw_document", letter), 0);
    EXPECT_EQ(standIn_.Entry("COMMAND"), "\"" + wordPad + "\" \"" + letter + "\" /p");
    EXPECT_EQ(standIn_.Entry("DEVICE").rfind("sw_document,", 0), 0u) << standIn_.Log();
    EXPECT_EQ(sw::TakeLibraryText(DefaultPrinter()), previous_);
}

// Without any word processor the document's application prints it through
// its "printto" verb, told the printer by name; the call waits for it.
TEST_F(ApplicationPrint, WithoutWordPadTheDocumentsApplicationPrintsItWithPrintTo) {
    swtest::NoWordPad noWordPad;
    swtest::PrintToAssociation printTo(StandIn());
    const swtest::TempFolder documents(" My Documents", swtest::RunFolder());
    const std::string letter = documents.Write("My Letter.swdoc", "letter");

    EXPECT_EQ(sw::PrintWithApplication("sw_document", letter), 0);
    ASSERT_TRUE(standIn_.Ran()) << "the application was started and waited for";
    EXPECT_NE(standIn_.Entry("COMMAND").find(" /pt \"" + letter + "\" \"sw_document\""),
              std::string::npos)
        << standIn_.Log();
    EXPECT_EQ(sw::TakeLibraryText(DefaultPrinter()), previous_);
}

TEST_F(ApplicationPrint, WithoutWordPadOrAPrintToVerbTheDocumentIsNotPrinted) {
    swtest::NoWordPad noWordPad;
    swtest::PrintToAssociation openOnly("");
    const swtest::TempFolder documents(" My Documents", swtest::RunFolder());
    const std::string letter = documents.Write("My Letter.swdoc", "letter");

    EXPECT_EQ(sw::PrintWithApplication("sw_document", letter), -2);
    EXPECT_FALSE(standIn_.Ran()) << standIn_.Log();
    EXPECT_EQ(sw::TakeLibraryText(DefaultPrinter()), previous_);
}

} // namespace
