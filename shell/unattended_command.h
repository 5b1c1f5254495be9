// The window's side of unattended printing beside the service: the command
// "Print unattended", which switches the window's timer or, where the
// service is installed, offers to start or stop it; the resume at start; the
// indicator; and the check before each tick that the window still owns
// unattended printing. The window and the service never print at once.
#pragma once

#include <windows.h>

namespace sw {

void OnPrintUnattended(HWND window);

// At start, when the last exit left unattended printing on: the window's
// timer starts again unless the service runs or starts by itself at boot.
void ResumeUnattendedPrinting();

// Writes "Unattended", "No unattended" or, while the service runs,
// "Service prints" into the indicator.
void ShowUnattendedIndicator();

// Before each tick of the window's timer: true while the window owns
// unattended printing (taking it when free). While the service runs the
// window hands it over: its timer stops and the tick prints nothing.
bool WindowMayPrintUnattended();

// After the schedule dialog's Test printed in the window's turn
// (WindowMayPrintUnattended): lets go of unattended printing again unless
// the window's timer runs, so that the service can take it.
void EndScheduleTest();

// Lets go of unattended printing at exit, after the timer was stopped.
void ReleaseWindowOwnership();

} // namespace sw
