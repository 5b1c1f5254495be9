// The main window's shutdown steps and the unattended state they keep.
#pragma once

namespace sw {

// Hangs up a dial-up connection the program opened, stops the timers,
// records whether unattended printing was on (not after a command-line
// print, which must not change it for the next start), frees the tool bar
// bitmap and ends the message loop. Runs once.
void RunShutdownSteps();

// True when unattended printing was on at the last exit.
bool UnattendedPrintingWasOnAtExit();

} // namespace sw
