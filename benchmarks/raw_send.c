/* The least a program can do to print a file as a RAW job: read it whole,
 * open the printer, send it in one write, close. The baseline that the
 * command-line print of swutil.exe is measured against.
 *   raw_send.exe PRINTER FILE */
#include <windows.h>
#include <winspool.h>

#include <stdlib.h>

int main(int argc, char** argv) {
    if (argc != 3)
        return 2;
    HANDLE file = CreateFileA(argv[2], GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return 3;
    DWORD size = GetFileSize(file, NULL), read = 0;
    char* bytes = (char*)malloc(size + 1);
    ReadFile(file, bytes, size, &read, NULL);
    CloseHandle(file);

    HANDLE printer = NULL;
    if (!OpenPrinterA(argv[1], &printer, NULL))
        return 4;
    DOC_INFO_1A document = {"raw_send", NULL, "RAW"};
    DWORD written = 0;
    int failed = StartDocPrinterA(printer, 1, (LPBYTE)&document) == 0 ||
                 !WritePrinter(printer, bytes, read, &written) || !EndDocPrinter(printer);
    ClosePrinter(printer);
    free(bytes);
    return failed ? 5 : 0;
}
