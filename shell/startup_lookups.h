// Two checks the start-up makes on what the command line names: whether its
// file exists, here, and whether its printer is installed, the print route's
// IsInstalledPrinter.
#pragma once

#include "printroute/print_route.h"

#include <string_view>

namespace sw {

// True when a directory search for the path finds a file (directories do not
// count). The path may hold the wildcards "*" and "?".
bool FileExists(std::string_view path);

} // namespace sw
