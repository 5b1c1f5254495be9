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

// The line as it goes into the file: a carriage return or line feed inside
// it (from a damaged schedule's texts) becomes a space, so that one file
// always gives exactly one line.
std::string SingleLogLine(std::string_view line);

} // namespace sw
