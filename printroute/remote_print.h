// Printing on a remote printer ("site:printer") through the companion: the
// printer's settings are written into the companion's controls, the printer
// is selected in its list, and its print button, which carries the file,
// is clicked last, since the click starts the print with whatever the
// controls hold: the print route's branch for remote printers.
#pragma once

#include "printroute/print_route.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace sw {

// True when the printer belongs to the companion: its name holds a ":".
bool IsRemotePrinter(std::string_view printer);

// The printer's settings for a remote print of `file`, as texts of the
// companion's controls: what the companion is handed, and what the service,
// which sends the job itself, checks as the companion checks them.
struct RemotePrintTexts {
    std::string autoFormfeed;
    std::string copies;
    std::uint32_t copyCount = 1; // what `copies` says, as a number
    std::string printMethod;
    std::string orientation;
};
RemotePrintTexts RemotePrintSettings(const std::string& printer, const std::string& file,
                                     const PrintContext& context);

// Hands the request's file to the companion as the announced controls
// allow; a control not announced is left out. The settings are those of
// `request.file` (its copies, its print method); the print button gets
// `request.handedFile` when that is set. Returns 0 when the click reached
// the companion with the printer selected; ERROR_NOT_READY when its print
// button was never announced; ERROR_INVALID_PRINTER_NAME, without a click,
// when the companion does not list the printer; ERROR_TIMEOUT when a control
// did not answer. When the request awaits the outcome, 0 only when the
// companion answered that it sent the job, its code when it did not, and
// ERROR_TIMEOUT when it did not answer in time.
std::int32_t PrintThroughCompanion(const PrintRequest& request, const PrintRules& rules,
                                   const PrintContext& context);

} // namespace sw
