/* The exported functions of swprint.dll, for C and C++ callers.
 * Every export uses the stdcall convention and an undecorated name. Text
 * arguments are NUL-terminated ANSI strings owned by the caller (a null
 * pointer counts as empty); text results are OLE strings holding ANSI bytes,
 * which the caller frees with SysFreeString. */
#ifndef SWPRINT_H
#define SWPRINT_H

#include <windows.h>

#include <oleauto.h>
/* <winspool.h> names its own function SetDefaultPrinter through a macro.
 * Including it here first and removing the macro keeps this library's
 * SetDefaultPrinter visible, whatever the caller includes afterwards. */
#include <winspool.h>
#ifdef SetDefaultPrinter
#undef SetDefaultPrinter
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Raw jobs and line printing. PrintFile returns 0 only when the spooler took
 * every byte of the job, else the system error code of the first step that
 * failed: opening the printer, opening the file (a device such as NUL is no
 * file: ERROR_INVALID_NAME), starting the document, reading the file, writing
 * to the printer, ending the document, closing the printer. A job that fails
 * after it started is aborted. LPrintEnd returns the error of a line that
 * could not be collected (and then prints nothing), else PrintFile's result. */
LONG WINAPI PrintFile(LPCSTR printerName, LPCSTR fileName);
void WINAPI Orientation(const SHORT* newFlag, SHORT* previousFlag, LPCSTR startSequence,
                        LPCSTR endSequence);
void WINAPI SetAutoformfeed(const SHORT* flag);
void WINAPI LPrint(LPCSTR text);
void WINAPI Linefeed(LPCSTR lineEndText);
void WINAPI Frmfeed(LPCSTR formFeedText);
LONG WINAPI LPrintEnd(LPCSTR printerName);
LONG WINAPI LIBMAIN(HINSTANCE instance, DWORD reason, LPVOID reserved);

/* Printer directory. AvailablePrinters rebuilds the library's printer list
 * and returns its count; PrinterDeviceName gives entry *index of that list
 * (empty outside it). DefaultPrinter and SetDefaultPrinter read and switch the
 * system default printer; a name that matches no listed printer (letter case
 * ignored) leaves the default unchanged. CancelPrintJobs deletes the jobs of
 * every printer. */
SHORT WINAPI AvailablePrinters(void);
BSTR WINAPI PrinterDeviceName(const SHORT* index);
BSTR WINAPI DefaultPrinter(void);
void WINAPI SetDefaultPrinter(LPCSTR printerName);
void WINAPI CancelPrintJobs(void);

/* Bitmaps, drawn through the printer driver into a box given in inches
 * (left, top, width, height from the top-left of the printable area) with
 * their proportions kept. PrintBMP prints one page and returns 0 when the
 * spooler took it, or -1 when it did not (the printer could not be started,
 * the bitmap could not be loaded or drawn, the page or document could not be
 * ended); GetLastError then gives the reason. Nothing is printed for a bitmap
 * that cannot be loaded, nor for a box that puts nothing of the image on the
 * page (a width or height of 0, a box beyond the printable area), which gives
 * ERROR_INVALID_PARAMETER (87); no message is shown. BLTIMAGE
 * draws into a device context the caller holds (mode 0 copies pixels 1:1,
 * any other mode stretches) and returns 1 when drawn, 0 when not. */
LONG WINAPI PrintBMP(LPCSTR printerName, LPCSTR fileName, double left, double top, double width,
                     double height);
SHORT WINAPI BLTIMAGE(LPCSTR fileName, SHORT mode, double left, double top, double width,
                      double height, HDC target);

/* Documents, printed by WordPad on the given printer: it is made the default
 * printer while WordPad runs with " /p", and the previous default is restored.
 * Returns 0, or -2 when no WordPad program was found. */
LONG WINAPI PrintDoc(LPCSTR printerName, LPCSTR fileName);

/* Shell and window utilities. strWhereFolder gives the path of a shell
 * special folder (7 Startup, 8 Recent, 9 Send To, 16 Desktop, ...), empty when
 * it has none. CreateShortcut makes a shortcut to target in that folder, named
 * after name with "." made "_" and spaces removed, plus ".lnk"; it returns -1
 * when the shortcut was made, 0 otherwise, and may take about 3 seconds.
 * GetFileToPrint shows an open-file dialog that remembers the last file type
 * and writes the chosen path (at most 255 characters, empty when cancelled)
 * into a buffer of at least 256 bytes. The VB helpers send WM_SETTEXT and
 * WM_GETTEXT to a window and LB_GETTEXT and LB_FINDSTRINGEXACT to a list box,
 * also of another process; texts read are cut to 1023 characters. */
BSTR WINAPI strWhereFolder(const LONG* folder);
LONG WINAPI CreateShortcut(const HWND* owner, LPCSTR target, LPCSTR name, const LONG* folder);
void WINAPI GetFileToPrint(LPSTR buffer);
void WINAPI VBWriteTxtMessage(HWND window, LPCSTR text);
BSTR WINAPI VBTxtMessage(HWND window);
BSTR WINAPI VBLBMessage(HWND listBox, LONG index);
LONG WINAPI VBLbFindStringExact(HWND listBox, LONG startIndex, LPCSTR text);

/* Path and system helpers. */
SHORT WINAPI IsWindowsNT(void);
BSTR WINAPI WinPath(void);

#ifdef __cplusplus
}
#endif

#endif
