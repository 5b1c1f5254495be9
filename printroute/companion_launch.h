// Starting the companion "Spoolwright Remote" (Remsw.exe in the program's
// folder) and waiting for it to announce its controls, for every route that
// prints on a remote printer.
#pragma once

#include "printroute/companion_controls.h"

#include <windows.h>

#include <cstdint>
#include <string>

namespace sw {

// How long unattended printing waits for the companion to announce itself.
inline constexpr DWORD kCompanionWaitMs = 15000;

// True when a top-level window titled exactly "Spoolwright Remote" exists.
bool IsCompanionRunning();

// The companion's program: the program's folder + "Remsw.exe".
std::string CompanionProgramPath();

// Opens `file` with the shell's "open" verb, shown normally, with `folder` as
// working folder, when the file exists; otherwise nothing. A bare file name
// is looked up in `folder`, not in the current directory, which the file
// dialogs move elsewhere.
void LaunchCompanion(const std::string& file, const std::string& parameters,
                     const std::string& folder);

// True when every one of the companion's ten controls has been announced and
// still exists.
bool IsCompanionAnnounced(const CompanionControls& companion);

// Starts the companion when it does not run, and waits at most `timeoutMs`
// for it to announce all its controls, meanwhile serving only the messages
// other programs send to this thread (its announcements), so that no command
// of the user runs in between. `companion` is where the program keeps the
// announced controls, filled in as the announcements arrive. Returns 0 once
// they are announced, ERROR_FILE_NOT_FOUND when the companion neither runs
// nor exists, and ERROR_TIMEOUT when it did not announce in time.
std::int32_t AwaitCompanion(const CompanionControls& companion, DWORD timeoutMs);

} // namespace sw
