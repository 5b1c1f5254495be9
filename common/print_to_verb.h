// Printing a document through the "printto" verb of the application the
// shell associates with it, for systems without WordPad: the application is
// told the printer, so the default printer need not change.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace sw {

// Asks the shell to print `document` on `printer` with its application's
// "printto" verb and waits, dispatching the caller's messages, until the
// application has ended, at most `limitMs`. Returns 0 when the application
// printed and ended (or took the request over without a process to wait
// for), -2 when the document has no application with that verb, the
// application could not be started, or it did not end in time.
std::int32_t PrintWithPrintToVerb(const std::string& printer, const std::string& document,
                                  unsigned long limitMs);

} // namespace sw
