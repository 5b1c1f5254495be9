// The schedule dialog "SCHED": add, edit, delete, step through and test the
// schedules of "sw.dat".
#pragma once

#include "printroute/print_route.h"

#include <windows.h>

#include <cstdint>

namespace sw {

// Shows the dialog modally; changes reach "sw.dat" only by Save and Delete.
// The printer choices are the items of `printerList` (the main window's
// list), and its selection is a new schedule's printer; Save stores the
// printer the choice shows. Test prints with `context`.
void ShowScheduleDialog(HWND owner, HWND printerList, const PrintContext& context);

// The number (from 1) of the schedule the dialog showed or saved last, which
// outlives the dialog; 0 before any.
std::int32_t ShownScheduleIndex();

// Forgets it, as at the program's start; for tests.
void ResetScheduleDialog();

} // namespace sw
