#include "printengine/spooler_api.h"

namespace sw {

SpoolerApi& Spooler() {
    static SpoolerApi api = {EnumPrintersA, OpenPrinterA,  StartDocPrinterA,
                             WritePrinter,  EndDocPrinter, AbortPrinter,
                             SetPrinterA,   ClosePrinter,  GetPrinterDriverA};
    return api;
}

} // namespace sw
