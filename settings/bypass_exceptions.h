// The list of file name patterns ("NoBypass" section) whose files are printed
// by their application through the printer driver instead of as raw jobs. The
// list runs from "File_001" up to the first missing or empty key.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace sw {

// Patterns are kept to this many characters in the dialog.
inline constexpr std::size_t kPatternLimit = 79;

// True when the file name (the text after the last backslash counts) has an
// extension and matches one pattern of the list, read from the file now.
bool IsBypassException(std::string_view fileName);

// Writes "*.doc", "*.wri" and "*.rtf" as "File_001" to "File_003" when no
// list is stored ("File_001" is missing or empty); keys after them are left
// as they are. A stored list is kept as it is.
void WriteDefaultBypassPatterns();

// The list as the dialog shows it: each pattern kept to 79 characters.
std::vector<std::string> ReadBypassPatterns();

// Stores the list in the given order as "File_001", "File_002", ..., each
// pattern without blanks at its ends; one that is only blanks is left out, as
// it would read back as the end of the list. A list
// shorter than `keysInUse` (the length when the dialog opened; negative counts
// as none) empties the keys after it up to that length, so that they end the
// list for every reader. Returns the larger of the two lengths.
int SaveBypassPatterns(const std::vector<std::string>& patterns, int keysInUse);

} // namespace sw
