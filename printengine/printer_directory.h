// Internal operations of the printer directory, shared by its exports and
// reached by the tests.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace sw {

// The printer names the spooler lists at `level` (1 or 4) for local printers
// and connections, in enumeration order. Starts with a buffer of 3072 bytes
// and retries once with the size the spooler asks for. False when the
// (last) enumeration failed.
bool ListPrinterNames(DWORD level, std::vector<std::string>& names);

// A value of the system profile, empty when missing; at most bufferSize - 1
// characters.
std::string ReadProfileValue(const char* section, const char* key, DWORD bufferSize);

} // namespace sw
