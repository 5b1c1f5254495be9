// The schedule dialog "SCHED": add, edit, delete, step through and test the
// schedules of "sw.dat".
#pragma once

#include <windows.h>

#include <cstdint>

namespace sw {

// Shows the dialog modally; changes reach "sw.dat" only by Save and Delete.
void ShowScheduleDialog(HWND owner);

// The number (from 1) of the schedule the dialog showed or saved last, which
// outlives the dialog; 0 before any.
std::int32_t ShownScheduleIndex();

// Forgets it, as at the program's start; for tests.
void ResetScheduleDialog();

} // namespace sw
