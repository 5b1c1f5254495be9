/* The exported functions of swprint.dll, for C and C++ callers.
 * Every export uses the stdcall convention and an undecorated name. Text
 * arguments are NUL-terminated ANSI strings owned by the caller (a null
 * pointer counts as empty); text results are OLE strings holding ANSI bytes,
 * which the caller frees with SysFreeString. */
#ifndef SWPRINT_H
#define SWPRINT_H

#include <windows.h>

#include <oleauto.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Raw jobs and line printing. PrintFile returns 0 when the job was sent, or
 * the system error code of the step that failed (opening the printer, opening
 * the file, starting the document, reading the file, writing to the printer). */
LONG WINAPI PrintFile(LPCSTR printerName, LPCSTR fileName);
void WINAPI Orientation(const SHORT* newFlag, SHORT* previousFlag, LPCSTR startSequence,
                        LPCSTR endSequence);
void WINAPI SetAutoformfeed(const SHORT* flag);
void WINAPI LPrint(LPCSTR text);
void WINAPI Linefeed(LPCSTR lineEndText);
void WINAPI Frmfeed(LPCSTR formFeedText);
LONG WINAPI LPrintEnd(LPCSTR printerName);
LONG WINAPI LIBMAIN(HINSTANCE instance, DWORD reason, LPVOID reserved);

/* Path and system helpers. */
SHORT WINAPI IsWindowsNT(void);
BSTR WINAPI WinPath(void);

#ifdef __cplusplus
}
#endif

#endif
