// Printing a document through the word processor the system associates with
// word-processor files: WordPad prints it from its command line; another word
// processor gets a print macro typed into it once and then runs it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sw {

// Prints `file` on `printer` through the word processor, which is given the
// printer as the system default while it runs; the previous default is
// restored afterwards. Without a word processor the document's associated
// application prints it through its "printto" verb. Returns 0 when the
// application ran, -2 when none was found, it could not be started, or it
// did not end in time.
std::int32_t PrintWithApplication(std::string_view printer, std::string_view file);

// Starts the command line as it is, with the window show state; does not
// wait. -1 when the process was created, 0 otherwise.
std::int16_t LaunchProgram(std::string_view commandLine, std::int16_t showState);

// Types the PrintAndExit macro into the word processor at `programPath`,
// started for it. The keys go out only once its main window has the
// keyboard focus; false (nothing typed) when it never gets it.
bool InstallPrintMacro(std::string_view programPath);

} // namespace sw
