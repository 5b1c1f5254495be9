// Prints `SelectedFile` on `CurrentPrinter` by the method the printer and the
// file call for: a remote printer (a name with ":") through the companion,
// a file matching a driver-bypass pattern through its application, any other
// as a raw job or, for a bitmap, through the driver.
#pragma once

namespace sw {

// Nothing is reported: the library's results are not examined and no
// message is shown.
void DispatchPrint();

} // namespace sw
