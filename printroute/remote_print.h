// Printing on a remote printer ("site:printer") through the companion: the
// printer's settings are written into the companion's controls, the printer
// is selected in its list, and its print button, which carries the file,
// is clicked last, since the click starts the print with whatever the
// controls hold. Shared by the interactive print, the command line and
// unattended printing.
#pragma once

#include "printroute/driver_bypass_print.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace sw {

// True when the printer belongs to the companion: its name holds a ":".
bool IsRemotePrinter(std::string_view printer);

// Hands the file to the companion as the announced controls allow; a
// control not announced is left out. Returns 0 when the click reached the
// companion with the printer selected; ERROR_NOT_READY when its print button
// was never announced; ERROR_INVALID_PRINTER_NAME, without a click, when the
// companion does not list the printer; ERROR_TIMEOUT when a control did not
// answer.
std::int32_t PrintThroughCompanion(const std::string& printer, const std::string& file,
                                   BitmapPlacementSource placement);

// The same, with the settings of `file` (its copies, its print method) but
// `handedFile` on the print button: a copy of the file that the companion
// can read whenever it comes to the job.
std::int32_t PrintThroughCompanion(const std::string& printer, const std::string& file,
                                   BitmapPlacementSource placement, const std::string& handedFile);

} // namespace sw
