#include "settings/escape_codes.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

using namespace std::string_literals;

TEST(EscapeCodes, ValidTextsAreEscapeAndOneToFourGroups) {
    const std::pair<const char*, bool> cases[] = {
        {"027 038", true},
        {"027 038 108", true},
        {"027 038 108 049", true},
        {"027 038 108 049 079", true},
        {"027 999", true},
        {"027 038 108 049 079 080", false}, // six codes
        {"027", false},
        {"027 ", false},
        {"027 03", false},
        {"27 038", false},       // first code with two digits
        {"027 038 10", false},   // a later group of two digits
        {"027 038  108", false}, // two blanks between groups
        {"028 038", false},      // first code other than 027
        {" 027 038", false},     // leading blank
        {"027 038 ", false},     // trailing blank: the caller trims first
        {"027 03a", false},
        {"027 038x108", false},
        {"027 038 108 049 07", false},
        {"027 038 108 049 0790", false},
        {"027-038", false},
        {"", false},
    };
    for (const auto& [text, valid] : cases)
        EXPECT_EQ(sw::IsValidEscapeCodeText(text), valid) << '"' << text << '"';
}

TEST(EscapeCodes, ValidTextFollowedByABlankPassesOnceTrimmed) {
    EXPECT_TRUE(sw::IsValidEscapeCodeText(sw::TrimTrailingSpaces("027 038 108 049 079 ")));
    EXPECT_EQ(sw::TrimTrailingSpaces("027   "), "027");
    EXPECT_EQ(sw::TrimTrailingSpaces("   "), "");
    EXPECT_EQ(sw::TrimTrailingSpaces(" a\t"), " a\t");
}

TEST(EscapeCodes, AllDigits) {
    EXPECT_TRUE(sw::IsAllDigits(""));
    EXPECT_TRUE(sw::IsAllDigits("0123456789"));
    EXPECT_FALSE(sw::IsAllDigits("12 "));
    EXPECT_FALSE(sw::IsAllDigits("-1"));
    EXPECT_FALSE(sw::IsAllDigits("1.0"));
    EXPECT_FALSE(sw::IsAllDigits("\xB2")); // superscript two in Latin-1
}

TEST(EscapeCodes, TextConvertsGroupByGroup) {
    const std::pair<std::string, std::string> cases[] = {
        {"027 038 108 049 079", "\x1B\x26\x6C\x31\x4F"},
        {"027 038 108 048 079", "\x1B&l0O"},
        {"027 999", "\x1B\xE7"},     // 999 modulo 256
        {"027 000 065", "\x1B\0A"s}, // a zero byte is kept here
        {"027 038 1", "\x1B&\x01"},  // a last group of one character
        {"027 038 10", "\x1B&\x0A"},
        {"027038108", "\x1B&l"},          // no blanks needed between groups
        {"027    038", "\x1B&"},          // several blanks are skipped
        {"027 abc 065", "\x1B\0A"s},      // not a number: byte 0
        {"-01 256 257", "\xFF\x00\x01"s}, // negatives wrap into 0 to 255
        {"1.5", "\x02"},                  // rounded
        {"", ""},
        {"   ", "\0"s}, // blanks only: one group reading 0
    };
    for (const auto& [text, bytes] : cases)
        EXPECT_EQ(sw::EscapeCodeTextToBytes(text), bytes) << '"' << text << '"';
}

} // namespace
