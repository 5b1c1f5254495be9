// Prints `SelectedFile` on `CurrentPrinter` by the method the printer and the
// file call for: a remote printer (a name with ":") through the companion,
// a file matching a driver-bypass pattern through its application, any other
// as a raw job or, for a bitmap, through the driver.
#pragma once

#include <cstdint>

namespace sw {

// Returns 0 when the print was handed on whole (the spooler took every byte
// of every copy, the word processor ran, the companion got its click), else
// the system error code of the first failure. Shows no message: the caller
// decides whether anybody is there to read one.
std::int32_t DispatchPrint();

} // namespace sw
