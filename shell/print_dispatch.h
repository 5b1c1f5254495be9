// The window's and the command line's way into the print route: a file on a
// printer, with the rules of somebody at the screen, and the program's
// companion controls and remembered copies.
#pragma once

#include "printroute/print_route.h"

#include <cstdint>
#include <functional>
#include <string>

namespace sw {

// What a print needs of the program's state, for the print route.
PrintContext ProgramPrintContext();

// Prints `file` on `printer` by the route the printer and the file call for.
// The placement dialog, when the settings ask for it, is owned by the main
// window. Returns 0 when the print was handed on whole, else the system
// error code of the first failure. Shows no message: the caller decides
// whether anybody is there to read one. With `awaitRemoteOutcome`, a remote
// print's result is the companion's answer about the job (remote_print.h);
// with `forwardRemoteOutcome`, that answer goes there when it comes, and the
// result is the click's (PrintRequest::forwardOutcome).
std::int32_t DispatchPrint(const std::string& printer, const std::string& file,
                           bool awaitRemoteOutcome = false,
                           std::function<void(std::int32_t)> forwardRemoteOutcome = {});

} // namespace sw
