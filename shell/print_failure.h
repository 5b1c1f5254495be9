// Tells the user that a print started from the main window failed: one
// message box, owned by the main window. Command-line and unattended prints
// never show it; they report by exit code and event log.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace sw {

// The system's message text for an error code; empty when it has none.
std::string SystemMessage(std::int32_t code);

// The box naming the file, the printer and the system's message for `code`.
void ShowPrintFailure(HWND owner, const std::string& file, const std::string& printer,
                      std::int32_t code);

} // namespace sw
