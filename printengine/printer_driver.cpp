#include "printengine/printer_driver.h"

#include "printengine/spooler_api.h"

#include <vector>

namespace sw {
namespace {

// Room for a driver's level 8 record with its texts, as most drivers give it.
constexpr std::size_t kDriverRecordRoom = 4096;

} // namespace

#if defined(_WIN32_WINNT) && _WIN32_WINNT >= 0x0600
static_assert(sizeof(DriverInfo8) == sizeof(DRIVER_INFO_8A), "the level 8 record as declared");
#endif

const char* DriverDataType(HANDLE printer) {
    // The record's texts follow it in the same buffer; it is kept aligned
    // for the record's 64-bit members. Asked with room for the whole record
    // at once: some spoolers do the whole lookup again for every call.
    std::vector<DWORDLONG> buffer(kDriverRecordRoom / sizeof(DWORDLONG));
    DWORD needed = 0;
    const auto ask = [&] {
        return Spooler().getPrinterDriver(
                   printer, nullptr, kDriverInfo8Level, reinterpret_cast<LPBYTE>(buffer.data()),
                   static_cast<DWORD>(buffer.size() * sizeof(DWORDLONG)), &needed) != 0;
    };
    if (!ask()) {
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || needed < sizeof(DriverInfo8))
            return nullptr;
        buffer.resize((needed + sizeof(DWORDLONG) - 1) / sizeof(DWORDLONG));
        if (!ask())
            return nullptr;
    }
    const auto* driver = reinterpret_cast<const DriverInfo8*>(buffer.data());
    return (driver->dwPrinterDriverAttributes & PRINTER_DRIVER_XPS) != 0 ? "XPS_PASS" : "RAW";
}

} // namespace sw
