// The printer directory: the spooler's printers as the library's printer
// list, the system default printer kept in the "device" entry of the
// profile's "windows" section, and the purge of every queue.
#include "printengine/printer_directory.h"

#include "printengine/library_state.h"
#include "printengine/ole_string.h"
#include "printengine/printer_names.h"
#include "printengine/export_arguments.h"
#include "printengine/spooler_api.h"
#include "printengine/swprint.h"

#include <climits>

namespace {

constexpr DWORD kListFlags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
constexpr DWORD kAllQueuesFlags = kListFlags | PRINTER_ENUM_NETWORK;
constexpr DWORD kFirstListBufferSize = 3072;
constexpr DWORD kProfileBufferSize = 299;
constexpr DWORD kDeviceBufferSize = 127;

// One enumeration into `buffer`, starting at `firstSize` bytes (0: only ask
// for the size) and retrying once at the size the spooler reports.
bool Enumerate(DWORD flags, DWORD level, DWORD firstSize, std::vector<BYTE>& buffer,
               DWORD& returned) {
    buffer.assign(firstSize, 0);
    DWORD needed = 0;
    returned = 0;
    sw::SpoolerApi& api = sw::Spooler();
    if (api.enumPrinters(flags, nullptr, level, buffer.empty() ? nullptr : buffer.data(),
                         static_cast<DWORD>(buffer.size()), &needed, &returned))
        return true;
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || needed <= buffer.size())
        return false;
    buffer.assign(needed, 0);
    returned = 0;
    return api.enumPrinters(flags, nullptr, level, buffer.data(), static_cast<DWORD>(buffer.size()),
                            &needed, &returned) != FALSE;
}

std::string NameOrEmpty(const char* name) {
    return name ? std::string(name) : std::string();
}

// Opens a queue for its purge: with the administrator's right the purge
// needs on systems that check rights, else with the default right, which
// is enough on systems that do not.
bool OpenForPurge(char* name, HANDLE& printer) {
    sw::SpoolerApi& api = sw::Spooler();
    PRINTER_DEFAULTSA defaults = {nullptr, nullptr, PRINTER_ACCESS_ADMINISTER};
    if (api.openPrinter(name, &printer, &defaults))
        return true;
    defaults.DesiredAccess = 0;
    return api.openPrinter(name, &printer, &defaults) != FALSE;
}

} // namespace

namespace sw {

bool ListPrinterNames(DWORD level, std::vector<std::string>& names) {
    names.clear();
    std::vector<BYTE> buffer;
    DWORD count = 0;
    if (!Enumerate(kListFlags, level, kFirstListBufferSize, buffer, count))
        return false;
    names.reserve(count);
    for (DWORD i = 0; i < count; ++i) {
        if (level == 1)
            names.push_back(
                NameOrEmpty(reinterpret_cast<PRINTER_INFO_1A*>(buffer.data())[i].pName));
        else
            names.push_back(
                NameOrEmpty(reinterpret_cast<PRINTER_INFO_4A*>(buffer.data())[i].pPrinterName));
    }
    return true;
}

std::string ReadProfileValue(const char* section, const char* key, DWORD bufferSize) {
    std::string value(bufferSize, '\0');
    const DWORD length = GetProfileStringA(section, key, "", &value[0], bufferSize);
    value.resize(length < bufferSize ? length : 0);
    return value;
}

} // namespace sw

extern "C" SHORT WINAPI AvailablePrinters(void) {
    std::vector<std::string>& list = sw::State().printerList;
    list.clear();
    std::vector<std::string> names;
    // Windows 95/98 lists printers at level 1 only; the NT family's level 4
    // is the cheap one there.
    if (!sw::ListPrinterNames(IsWindowsNT() ? 4 : 1, names))
        return 0;
    list = sw::PrinterListFromNames(names);
    return static_cast<SHORT>(list.size() < SHRT_MAX ? list.size() : SHRT_MAX);
}

extern "C" BSTR WINAPI PrinterDeviceName(const SHORT* index) {
    const std::vector<std::string>& list = sw::State().printerList;
    if (!index || *index < 0 || static_cast<std::size_t>(*index) >= list.size())
        return sw::OleStringFromAnsi("");
    return sw::OleStringFromAnsi(list[static_cast<std::size_t>(*index)]);
}

extern "C" BSTR WINAPI DefaultPrinter(void) {
    return sw::OleStringFromAnsi(
        sw::PrinterOfDeviceValue(sw::ReadProfileValue("WINDOWS", "DEVICE", kDeviceBufferSize)));
}

extern "C" void WINAPI SetDefaultPrinter(LPCSTR printerName) {
    AvailablePrinters();
    const std::vector<std::string>& list = sw::State().printerList;
    const int found = sw::FindPrinterIgnoringCase(list, sw::TextArgument(printerName));
    // An unknown name changes nothing: an empty or half-built entry would
    // leave the system without a default printer.
    if (found < 0)
        return;
    const std::string& listed = list[static_cast<std::size_t>(found)];
    const std::string ports =
        sw::ReadProfileValue("PrinterPorts", listed.c_str(), kProfileBufferSize);
    const std::string device = sw::DeviceValue(listed, ports).substr(0, kProfileBufferSize);
    WriteProfileStringA("windows", "device", device.c_str());
    // Sent as Unicode: the system hands ANSI windows "windows" as ANSI text,
    // whereas Wine garbles the text of an ANSI broadcast.
    static const wchar_t kSection[] = L"windows";
    SendMessageW(HWND_BROADCAST, WM_WININICHANGE, 0, reinterpret_cast<LPARAM>(kSection));
}

extern "C" void WINAPI CancelPrintJobs(void) {
    std::vector<BYTE> buffer;
    DWORD count = 0;
    // Some systems reject the network flag at level 2; their local printers
    // and connections are still purged.
    if (!Enumerate(kAllQueuesFlags, 2, 0, buffer, count) &&
        !Enumerate(kListFlags, 2, 0, buffer, count))
        return;
    sw::SpoolerApi& api = sw::Spooler();
    for (DWORD i = 0; i < count; ++i) {
        char* name = reinterpret_cast<PRINTER_INFO_2A*>(buffer.data())[i].pPrinterName;
        HANDLE printer = nullptr;
        if (!name || !OpenForPurge(name, printer))
            continue;
        api.setPrinter(printer, 0, nullptr, PRINTER_CONTROL_PURGE);
        api.closePrinter(printer);
    }
}
