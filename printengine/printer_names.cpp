#include "printengine/printer_names.h"

namespace sw {

namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    }
    return true;
}

// Field `index` (from 0) of a comma-separated value; empty unless the value
// has at least `index + 1` commas, so a field is only taken when it is closed.
std::string ClosedField(std::string_view value, std::size_t index) {
    std::size_t start = 0;
    for (std::size_t field = 0;; ++field) {
        const std::size_t comma = value.find(',', start);
        if (comma == std::string_view::npos)
            return std::string();
        if (field == index)
            return std::string(value.substr(start, comma - start));
        start = comma + 1;
    }
}

} // namespace

std::vector<std::string> PrinterListFromNames(const std::vector<std::string>& names) {
    std::vector<std::string> list;
    list.reserve(names.size());
    for (const std::string& name : names) {
        if (name != kRenderingSubsystem)
            list.push_back(name.substr(0, kPrinterListNameLimit));
    }
    return list;
}

int FindPrinterIgnoringCase(const std::vector<std::string>& list, std::string_view name) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (EqualIgnoringCase(list[i], name))
            return static_cast<int>(i);
    }
    return -1;
}

std::string PrinterOfDeviceValue(std::string_view deviceValue) {
    return std::string(deviceValue.substr(0, deviceValue.find(',')));
}

std::string DriverOfPrinterPorts(std::string_view printerPortsValue) {
    return ClosedField(printerPortsValue, 0);
}

std::string PortOfPrinterPorts(std::string_view printerPortsValue) {
    return ClosedField(printerPortsValue, 1);
}

std::string DeviceValue(std::string_view listedName, std::string_view printerPortsValue) {
    std::string value(listedName);
    value += ',';
    value += DriverOfPrinterPorts(printerPortsValue);
    value += ',';
    value += PortOfPrinterPorts(printerPortsValue);
    return value;
}

} // namespace sw
