#include "settings/file_patterns.h"

#include <gtest/gtest.h>

namespace {

struct MatchCase {
    const char* name;
    const char* pattern;
    bool matches;
};

TEST(FilePatterns, NamesAgainstPatterns) {
    const MatchCase cases[] = {
        {"REPORT.DOC", "*.doc", true},
        {"report.docx", "*.doc", false}, // extension of 4 against 3
        {"a.b.doc", "*.doc", true},      // base a, extension doc
        {"notes.txt", "*.*", true},
        {"letter1.doc", "letter?.doc", true},
        {"letter12.doc", "letter?.doc", false},
        {"letter12.doc", "let*.doc", true},
        {"letter12.doc", "let*", true},
        {"readme.txt", "readme", false}, // no dot in the pattern: the whole name counts
        {"readme.txt", "read?e.t?t", true},
        {"my.report.doc", "my.doc", true},  // base my, extension doc
        {"report.doc", "re?o*.doc", false}, // "?" before a "*" is literal
        {"re?ort.doc", "re?o*.doc", true},
        {"readme", "*", true},
        {"readme", "README", true},
        {"readme", "read??", true},
        {"readme", "read?", false},
        {"re", "rea*", false}, // a name shorter than the prefix
        {"letter.doc", "LETTER.DOC", true},
        {"letter.doc", "letter.do", false},
        {"file.doc", "*.do*", true}, // a prefix of the extension
        {"file.do", "*.do*", true},
        {"file.docx", "*.do*", true},
        {"file.d", "*.do*", false},
        {"file.txt", "*.do*", false},
        {"file.txt", "*.", false}, // an empty pattern extension against txt
        {"file", "*.", true},
        {"file", "*.*", true},
        {"x.txt", "", false},
        {"", "", true},
        {"C:\\docs\\letter.doc", "*.doc", true}, // only the name after the folder counts
        {"C:\\doc.x\\letter", "*.x", false},
        {"C:\\docs\\letter.doc", "docs*", false},
        {"\xE4pfel.doc", "\xC4*.doc", false}, // only ASCII letters ignore case
        {"zz.doc", "ZZ.DOC", true},
        {"@.doc", "`.doc", false},
    };
    for (const MatchCase& c : cases) {
        EXPECT_EQ(sw::MatchFilePattern(c.name, c.pattern), c.matches)
            << '"' << c.name << "\" against \"" << c.pattern << '"';
    }
}

TEST(FilePatterns, SameLengthComparesEveryCharacter) {
    EXPECT_TRUE(sw::MatchSameLength("", ""));
    EXPECT_TRUE(sw::MatchSameLength("Doc", "dOC"));
    EXPECT_TRUE(sw::MatchSameLength("abc", "???"));
    EXPECT_TRUE(sw::MatchSameLength("a*c", "a*c"));
    EXPECT_FALSE(sw::MatchSameLength("abc", "a*"));
    EXPECT_FALSE(sw::MatchSameLength("abc", "abcd"));
    EXPECT_FALSE(sw::MatchSameLength("a?c", "abc")); // "?" is a wild card only in the pattern
}

TEST(FilePatterns, BasePartEndsAtTheFirstDotOfTheName) {
    EXPECT_EQ(sw::BasePart("my.report.doc"), "my");
    EXPECT_EQ(sw::BasePart("C:\\a.b\\c.d"), "c");
    EXPECT_EQ(sw::BasePart("readme"), "readme");
    EXPECT_EQ(sw::BasePart(".profile"), "");
    EXPECT_EQ(sw::BasePart(""), "");
}

} // namespace
