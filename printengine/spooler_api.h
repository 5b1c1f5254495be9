// The spooler calls of a raw job, reached through one table so that a test can
// watch calls that leave no trace in the printed bytes (the size of each
// WritePrinter call). It defaults to the real API.
#pragma once

#include <windows.h>
#include <winspool.h>

namespace sw {

struct SpoolerApi {
    BOOL(WINAPI* openPrinter)(LPSTR name, LPHANDLE printer, LPPRINTER_DEFAULTSA defaults);
    DWORD(WINAPI* startDocPrinter)(HANDLE printer, DWORD level, LPBYTE docInfo);
    BOOL(WINAPI* writePrinter)(HANDLE printer, LPVOID bytes, DWORD length, LPDWORD written);
    BOOL(WINAPI* endDocPrinter)(HANDLE printer);
    BOOL(WINAPI* abortPrinter)(HANDLE printer);
    BOOL(WINAPI* closePrinter)(HANDLE printer);
};

SpoolerApi& Spooler();

} // namespace sw
