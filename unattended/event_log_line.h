// The lines of the event log "Unattended.txt", one per file that unattended
// printing tried: DATE, TIME, path and outcome, three spaces apart.
#pragma once

#include "unattended/calendar.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace sw {

// "mm-dd-yyyy   hh:mm:ss   FOLDERNAME   printed successfully to PRINTER"
std::string PrintedLine(const LocalTime& now, std::string_view folder, std::string_view name,
                        std::string_view printer);

// "mm-dd-yyyy   hh:mm:ss   FOLDERNAME   not printed to PRINTER  due to Error CODE",
// with the code in plain decimal.
std::string NotPrintedLine(const LocalTime& now, std::string_view folder, std::string_view name,
                           std::string_view printer, std::int32_t code);

// "mm-dd-yyyy   hh:mm:ss   FOLDERNAME   printed to PRINTER but not moved to the
// Recycle Bin due to Error CODE": printed, and left where it was.
std::string PrintedNotMovedLine(const LocalTime& now, std::string_view folder,
                                std::string_view name, std::string_view printer, std::int32_t code);

// "mm-dd-yyyy   hh:mm:ss   FOLDERNAME   sent to PRINTER, where it has not
// printed: Error CODE; not sent again": a remote site took the job and then
// cancelled or aborted it, or still held it when the wait for its end ran out.
std::string SentNotPrintedLine(const LocalTime& now, std::string_view folder, std::string_view name,
                               std::string_view printer, std::int32_t code);

// "mm-dd-yyyy   hh:mm:ss   FOLDERNAME   may have been printed to PRINTER before
// the program stopped; not printed again": the program stopped between
// noting the file and finishing with it.
std::string MayHaveBeenPrintedLine(const LocalTime& now, std::string_view folder,
                                   std::string_view name, std::string_view printer);

// The line as it goes into the file: a carriage return or line feed inside
// it (from a damaged schedule's texts) becomes a space, so that one file
// always gives exactly one line.
std::string SingleLogLine(std::string_view line);

} // namespace sw
