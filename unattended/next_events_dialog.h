// The next-events dialog "ELIST": the next time each schedule becomes active,
// its files and its printer, earliest first; a click on a column's header
// sorts by that column.
#pragma once

#include <windows.h>

namespace sw {

// The direction of the next header sort: one for the whole program, flipped
// before every sort, so the first click sorts descending.
extern bool EventSortAscending;

// Shows the dialog modally; it saves nothing.
void ShowNextEventsDialog(HWND owner);

} // namespace sw
