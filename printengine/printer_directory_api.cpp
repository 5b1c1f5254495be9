#include "printer_directory_api.h"

namespace sw {

PrinterDirectoryApi& PrinterDirectory() {
    static PrinterDirectoryApi api = {EnumPrintersA, OpenPrinterA, SetPrinterA, ClosePrinter};
    return api;
}

} // namespace sw
