// The command line of swutil.exe: empty, the set-up run "ACSI", a printer and
// a file separated by "|" (or "{" when the text holds no "|"), or a bare file
// for the default printer. Portable, so that the split is unit-tested and
// fuzzed on the host.
#pragma once

#include <string>
#include <string_view>

namespace sw {

inline constexpr std::string_view kSetupRunCommand = "ACSI";

struct CommandLineRequest {
    enum class Kind { Empty, SetupRun, Print };
    Kind kind = Kind::Empty;
    bool namesPrinter = false; // a separated form: `printer` is the text before the separator
    std::string printer;
    std::string file;
};

// The command line as the program receives it, without the blanks at its
// ends. Send To and the command prompt put double quotes around paths that
// hold spaces, and the command prompt around a whole "printer|file" text,
// since "|" is its pipe: one pair of quotes around the whole text, and one
// around the printer or the file part, are taken off. Blanks inside the parts
// stay as they are.
CommandLineRequest SplitCommandLine(std::string_view commandLine);

// The text that one pair of double quotes encloses, or the text unchanged
// when it is not enclosed in exactly one pair.
std::string_view WithoutEnclosingQuotes(std::string_view text);

} // namespace sw
