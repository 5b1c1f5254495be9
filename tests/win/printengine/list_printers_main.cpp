// A second process for the printer directory tests: Wine's spooler reads the
// print server's queues when a process starts, so queues a test adds are
// listed only by a process started after them. Prints the count, then one
// listed name a line.
#include "printengine/swprint.h"

#include <cstdio>

int main() {
    const SHORT count = AvailablePrinters();
    std::printf("%d\n", count);
    for (SHORT i = 0; i < count; ++i) {
        BSTR name = PrinterDeviceName(&i);
        std::printf("%.*s\n", static_cast<int>(SysStringByteLen(name)),
                    reinterpret_cast<const char*>(name));
        SysFreeString(name);
    }
    return 0;
}
