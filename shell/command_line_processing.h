// What the start-up does with its command line: the set-up run, or a print
// of the file it names (see shell/command_line.h for the forms).
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

namespace sw {

// Splits the command line into SelectedFile and CurrentPrinter and prints at
// once when the file exists and the printer is installed (or associated with
// an installed one). Returns -1 when the program ends at once: it printed,
// or the command line can print nothing (a file part longer than a path the
// program keeps, a device for a file, a remote printer of a site not in the
// sites list while the companion is not running); ExitCode then says how
// the print went. Returns 0 for a normal start; a printer that is neither
// installed nor associated sets AskAssociation. With `forwardRemoteOutcome`,
// a remote print that the companion takes at once has its answer forwarded
// there (PrintRequest::forwardOutcome); kRemoteOutcomeForwarded is returned
// when the answer is still to come.
inline constexpr std::int16_t kRemoteOutcomeForwarded = 1;
std::int16_t ProcessCommandLine(std::string_view commandLine,
                                const std::function<void(std::int32_t)>& forwardRemoteOutcome = {});

enum class SetupRun {
    Full,  // an install the user follows: then the help and the companion too
    Quiet, // a quiet or basic-UI install: nothing is shown or started
};

// The set-up run: the companion's Startup shortcut, the program's desktop
// shortcut, the default driver-bypass patterns; in full, the help topic for
// new users and the companion when it is set to start with Windows; quiet,
// the Send To shortcut that every shown start makes.
void RunSetup(SetupRun run);

} // namespace sw
