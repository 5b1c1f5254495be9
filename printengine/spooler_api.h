// The spooler calls of the library, reached through one table so that a test
// can watch calls that leave no trace in the printed bytes (the size of each
// WritePrinter call, the data type of a job) and stand in for what Wine's
// spooler cannot show: the "Rendering Subsystem" entry, an enumeration of any
// size, the purge of a queue, which Wine does not implement, and a printer
// with an XPS driver. It defaults to the real API.
#pragma once

#include <windows.h>
#include <winspool.h>

namespace sw {

struct SpoolerApi {
    BOOL(WINAPI* enumPrinters)
    (DWORD flags, LPSTR name, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed,
     LPDWORD returned);
    BOOL(WINAPI* openPrinter)(LPSTR name, LPHANDLE printer, LPPRINTER_DEFAULTSA defaults);
    DWORD(WINAPI* startDocPrinter)(HANDLE printer, DWORD level, LPBYTE docInfo);
    BOOL(WINAPI* writePrinter)(HANDLE printer, LPVOID bytes, DWORD length, LPDWORD written);
    BOOL(WINAPI* endDocPrinter)(HANDLE printer);
    BOOL(WINAPI* abortPrinter)(HANDLE printer);
    BOOL(WINAPI* setPrinter)(HANDLE printer, DWORD level, LPBYTE info, DWORD command);
    BOOL(WINAPI* closePrinter)(HANDLE printer);
    BOOL(WINAPI* getPrinterDriver)
    (HANDLE printer, LPSTR environment, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed);
};

SpoolerApi& Spooler();

} // namespace sw
