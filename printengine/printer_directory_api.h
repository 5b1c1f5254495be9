// The spooler calls of the printer directory, reached through one table so
// that a test can stand in for what Wine's spooler cannot show: the
// "Rendering Subsystem" entry, an enumeration of any size, and the purge of a
// queue (Wine does not implement it). It defaults to the real API.
#pragma once

#include <windows.h>
#include <winspool.h>

namespace sw {

struct PrinterDirectoryApi {
    BOOL(WINAPI* enumPrinters)
    (DWORD flags, LPSTR name, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed,
     LPDWORD returned);
    BOOL(WINAPI* openPrinter)(LPSTR name, LPHANDLE printer, LPPRINTER_DEFAULTSA defaults);
    BOOL(WINAPI* setPrinter)(HANDLE printer, DWORD level, LPBYTE info, DWORD command);
    BOOL(WINAPI* closePrinter)(HANDLE printer);
};

PrinterDirectoryApi& PrinterDirectory();

} // namespace sw
