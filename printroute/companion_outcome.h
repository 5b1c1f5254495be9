// Waiting for the companion's answer to a remote print (remote/job_outcome.h):
// the command line's exit code and unattended printing's log say what became
// of the job, not only that the companion's print button was clicked.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace sw {

// Starts listening for the answer to the print of `file` on `printer`,
// before the print button is clicked: an answer may arrive during the click.
void ExpectCompanionOutcome(const std::string& printer, const std::string& file);

// Takes an answer that came as WM_COPYDATA to the main window; false when
// the data is no answer (another WM_COPYDATA of the program).
bool TakeCompanionOutcome(const COPYDATASTRUCT* data);

// Waits at most `timeoutMs` for the answer expected, serving only the
// messages other programs send to this thread (the answer among them), so
// that no command of the user runs in between. Returns the companion's code
// (0: sent), or ERROR_TIMEOUT when no answer came in time.
std::int32_t AwaitCompanionOutcome(DWORD timeoutMs);

} // namespace sw
