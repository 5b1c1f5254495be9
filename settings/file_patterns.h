// File name patterns of the driver-bypass exceptions ("*.doc", "letter?.doc",
// "let*"). A name and a pattern are split at their first dot into a base and an
// extension; "?" stands for any one character and "*" ends the part it is in,
// matching whatever follows. Letters compare ignoring case (ASCII a to z).
#pragma once

#include <string>
#include <string_view>

namespace sw {

// FileNamePart(text) up to, not including, its first dot; all of it without a dot.
std::string BasePart(std::string_view text);

// True when both have the same length and every pattern character is "?" or
// equals the text's character at that place, ignoring case. Two empty texts match.
bool MatchSameLength(std::string_view text, std::string_view pattern);

// True when the file name (only the part after its last backslash counts)
// matches the pattern:
// - a pattern without a dot is compared with the whole name: up to its first
//   "*" as a prefix (a leading "*" matches every name), character by character
//   with MatchSameLength when it has no "*";
// - a pattern with a dot tests the bases first, then the extensions (the text
//   after the last dot): a part without "*" with MatchSameLength, a part that
//   starts with "*" always passes, and a part with a later "*" compares the
//   characters before the "*" with as many characters of the name's part.
// "?" before a "*" stands for itself.
bool MatchFilePattern(std::string_view fileName, std::string_view pattern);

} // namespace sw
