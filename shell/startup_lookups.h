// Two checks the start-up makes on what the command line names.
#pragma once

#include <string_view>

namespace sw {

// True when a directory search for the path finds a file (directories do not
// count). The path may hold the wildcards "*" and "?".
bool FileExists(std::string_view path);

// True when the name equals, with letter case, the name of an installed printer
// as the library's printer directory lists it (each kept to 254 characters).
bool IsInstalledPrinter(std::string_view name);

} // namespace sw
