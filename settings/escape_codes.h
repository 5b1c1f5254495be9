// Orientation escape sequences as users enter and store them: decimal codes of
// three digits separated by one blank, starting with ESC ("027 038 108 049 079").
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace sw {

// What the orientation dialog offers when a printer has no code stored:
// ESC & l 1 O (landscape) and ESC & l 0 O (portrait).
inline constexpr std::string_view kDefaultLandscapeCodeText = "027 038 108 049 079";
inline constexpr std::string_view kDefaultPortraitCodeText = "027 038 108 048 079";

// Code texts are kept to this many characters in the dialog, and converted
// sequences to this many bytes before they reach the library.
inline constexpr std::size_t kEscapeCodeTextLimit = 79;
inline constexpr std::size_t kEscapeSequenceLimit = 79;

// True when every character is one of 0 to 9; true for the empty text.
bool IsAllDigits(std::string_view text);

// True for "027" followed by one to four groups of a blank and three digits
// (7, 11, 15 or 19 characters). Leading or trailing blanks make it false;
// callers remove trailing blanks first.
bool IsValidEscapeCodeText(std::string_view text);

// The bytes of a code text: each group of (up to) three characters is read
// with the settings number parse and becomes its value modulo 256 (0 to 255);
// blanks before each following group are skipped. Hand-edited text converts as
// far as it goes: a group that is not a number gives the byte 0.
std::string EscapeCodeTextToBytes(std::string_view text);

// The text without the blanks (character 32) at its end.
std::string TrimTrailingSpaces(std::string_view text);

} // namespace sw
