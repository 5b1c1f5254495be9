// The message that a print from the main window failed. Portable, so that
// its wording is unit-tested; the box itself is in print_failure.cpp.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sw {

// Names the file and the printer, then what the system says about the error
// code (its message text, blanks and line ends at its end removed) with the
// code itself; "Error " and the code when the system has no text for it.
std::string PrintFailureText(std::string_view file, std::string_view printer, std::int32_t code,
                             std::string_view systemMessage);

} // namespace sw
