#include "printengine/printer_driver.h"

#include "printengine/spooler_api.h"

#include <vector>

namespace sw {

#if defined(_WIN32_WINNT) && _WIN32_WINNT >= 0x0600
static_assert(sizeof(DriverInfo8) == sizeof(DRIVER_INFO_8A), "the level 8 record as declared");
#endif

const char* RawJobDataType(HANDLE printer) {
    DWORD needed = 0;
    Spooler().getPrinterDriver(printer, nullptr, kDriverInfo8Level, nullptr, 0, &needed);
    if (needed < sizeof(DriverInfo8))
        return "RAW";
    // The record's texts follow it in the same buffer; it is kept aligned
    // for the record's 64-bit members.
    std::vector<DWORDLONG> buffer((needed + sizeof(DWORDLONG) - 1) / sizeof(DWORDLONG));
    auto* bytes = reinterpret_cast<LPBYTE>(buffer.data());
    if (!Spooler().getPrinterDriver(printer, nullptr, kDriverInfo8Level, bytes, needed, &needed))
        return "RAW";
    const auto* driver = reinterpret_cast<const DriverInfo8*>(bytes);
    return (driver->dwPrinterDriverAttributes & PRINTER_DRIVER_XPS) != 0 ? "XPS_PASS" : "RAW";
}

} // namespace sw
