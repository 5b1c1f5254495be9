#include "spooler_api.h"

namespace sw {

SpoolerApi& Spooler() {
    static SpoolerApi api = {OpenPrinterA,  StartDocPrinterA, WritePrinter,
                             EndDocPrinter, AbortPrinter,     ClosePrinter};
    return api;
}

} // namespace sw
