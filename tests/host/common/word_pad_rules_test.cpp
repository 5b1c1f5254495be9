#include "common/word_pad_rules.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

TEST(WordPadRules, RecognisesWordPadByNameInAnyLetterCase) {
    const std::pair<const char*, bool> cases[] = {
        {"C:\\Program Files\\Accessories\\Wordpad.exe", true},
        {"C:\\Program Files\\Windows NT\\Accessories\\wordpad.exe", true},
        {"C:\\TOOLS\\WORDPAD.EXE", true},
        {"C:\\tests\\fake_wordpad.exe", true},
        {"C:\\Office\\WINWORD.EXE", false},
        {"C:\\Word Pad\\write.exe", false},
        {"", false},
    };
    for (const auto& [path, isWordPad] : cases)
        EXPECT_EQ(sw::IsWordPadProgram(path), isWordPad) << path;
}

// Both paths in double quotes: unquoted, a path with spaces names other files.
TEST(WordPadRules, PrintCommandQuotesBothPaths) {
    EXPECT_EQ(
        sw::WordPadPrintCommand("C:\\Program Files\\Accessories\\Wordpad.exe", "C:\\docs\\a.doc"),
        "\"C:\\Program Files\\Accessories\\Wordpad.exe\" \"C:\\docs\\a.doc\" /p");
    EXPECT_EQ(sw::WordPadPrintCommand("W.exe", "C:\\My Documents\\My Letter.wri"),
              "\"W.exe\" \"C:\\My Documents\\My Letter.wri\" /p");
    EXPECT_EQ(sw::WordPadPrintCommand("W.exe", ""), "\"W.exe\" \"\" /p");
}

TEST(WordPadRules, AppPathValueNamesTheProgramWithoutQuotesOrBlanks) {
    const struct {
        const char* value;
        const char* program;
    } cases[] = {
        {"\"%ProgramFiles%\\Windows NT\\Accessories\\WORDPAD.EXE\"",
         "%ProgramFiles%\\Windows NT\\Accessories\\WORDPAD.EXE"},
        {"  C:\\Tools\\wordpad.exe ", "C:\\Tools\\wordpad.exe"},
        {"\"C:\\Word Pad\\wordpad.exe\" /x", "C:\\Word Pad\\wordpad.exe"},
        {"\"unclosed", "\"unclosed"},
        {"   ", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sw::ProgramOfAppPath(c.value), c.program) << c.value;
}

TEST(WordPadRules, SeesFinishedInTitlesInAnyLetterCase) {
    const std::pair<const char*, bool> cases[] = {
        {"FINISHED", true},
        {"Document - printing finished", true},
        {"fInIsHeD printing", true},
        {"Document - WordPad", false},
        {"FINISHE", false},
        {"unfinished", true},
        {"", false},
    };
    for (const auto& [title, finished] : cases)
        EXPECT_EQ(sw::TitleSaysFinished(title), finished) << title;
}

TEST(WordPadRules, ScratchDocumentNamesDifferByProcessAndAttempt) {
    EXPECT_EQ(sw::ScratchDocumentName(1234, 0), "swlookup-1234-0.wri");
    EXPECT_NE(sw::ScratchDocumentName(1234, 1), sw::ScratchDocumentName(1234, 0));
    EXPECT_NE(sw::ScratchDocumentName(1235, 0), sw::ScratchDocumentName(1234, 0));
    EXPECT_EQ(sw::ScratchDocumentName(4294967295UL, 7), "swlookup-4294967295-7.wri");
}

} // namespace
