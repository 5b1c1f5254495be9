/* Lists the installed printers and the default one through swprint.dll,
 * loading it at run time and freeing every text it returns, the way callers
 * in other languages use the library. */
#include <windows.h>

#include <oleauto.h>
#include <stdio.h>

typedef SHORT(WINAPI* AvailablePrintersFn)(void);
typedef BSTR(WINAPI* PrinterDeviceNameFn)(const SHORT* index);
typedef BSTR(WINAPI* DefaultPrinterFn)(void);

/* Prints a text result (an OLE string of ANSI bytes) and frees it. */
static void PrintAndFree(const char* label, BSTR text) {
    printf("%s%.*s\n", label, (int)SysStringByteLen(text), (const char*)text);
    SysFreeString(text);
}

int main(void) {
    HMODULE library = LoadLibraryA("swprint.dll");
    if (library == NULL) {
        fprintf(stderr, "show_printers: cannot load swprint.dll (error %lu)\n", GetLastError());
        return 1;
    }
    AvailablePrintersFn availablePrinters =
        (AvailablePrintersFn)(void (*)(void))GetProcAddress(library, "AvailablePrinters");
    PrinterDeviceNameFn printerDeviceName =
        (PrinterDeviceNameFn)(void (*)(void))GetProcAddress(library, "PrinterDeviceName");
    DefaultPrinterFn defaultPrinter =
        (DefaultPrinterFn)(void (*)(void))GetProcAddress(library, "DefaultPrinter");
    if (availablePrinters == NULL || printerDeviceName == NULL || defaultPrinter == NULL) {
        fprintf(stderr, "show_printers: swprint.dll lacks an export\n");
        FreeLibrary(library);
        return 1;
    }

    SHORT count = availablePrinters();
    for (SHORT index = 0; index < count; ++index)
        PrintAndFree("printer: ", printerDeviceName(&index));
    PrintAndFree("default: ", defaultPrinter());
    FreeLibrary(library);
    return 0;
}
