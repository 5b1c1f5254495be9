// Waiting for the companion's answer to a remote print (remote/job_outcome.h):
// the command line's exit code and unattended printing's log say what became
// of the job, not only that the companion's print button was clicked.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
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

// An answer read elsewhere, by a second start that handed its print over and
// waits for its result: the window goes on serving its user meanwhile. The
// answer goes to `deliver` when it arrives, or ERROR_TIMEOUT once `timeoutMs`
// have passed without one (ExpireForwardedOutcomes). Returns the forward's
// number, for DropForwardedOutcome when the click never reached the companion.
using OutcomeDelivery = std::function<void(std::int32_t code)>;
unsigned ForwardCompanionOutcome(const std::string& printer, const std::string& file,
                                 DWORD timeoutMs, OutcomeDelivery deliver);
void DropForwardedOutcome(unsigned forward);

// Gives ERROR_TIMEOUT to every forward whose time ran out; true while
// forwards are still waiting for their answer.
bool ExpireForwardedOutcomes();

} // namespace sw
