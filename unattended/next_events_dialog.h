// The next-events dialog "ELIST": the next time each schedule becomes active,
// its files and its printer, earliest first; a click on a column's header
// sorts by that column.
#pragma once

#include <windows.h>

namespace sw {

// The direction of the next header sort is the program state's
// EventSortAscending, one for the whole program.
// Shows the dialog modally; it saves nothing.
void ShowNextEventsDialog(HWND owner);

} // namespace sw
