// Rules of the printer directory that need no spooler: which enumerated names
// make up the printer list, and how the profile's "device" and "PrinterPorts"
// values are read and built. Portable, so that each rule is unit-tested.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace sw {

inline constexpr std::size_t kPrinterListNameLimit = 239;
// The spooler lists this pseudo-entry on some systems; it is no printer.
inline constexpr std::string_view kRenderingSubsystem = "Rendering Subsystem";

// The printer list from the names in enumeration order: "Rendering Subsystem"
// (exact case) is dropped, every other name is kept, cut to 239 characters.
std::vector<std::string> PrinterListFromNames(const std::vector<std::string>& names);

// The index of the first listed name equal to `name` ignoring letter case
// (ASCII), or -1 when none is.
int FindPrinterIgnoringCase(const std::vector<std::string>& list, std::string_view name);

// The printer name of a "device" value (name,driver,port): the text before the
// first comma, or the whole value when it has none.
std::string PrinterOfDeviceValue(std::string_view deviceValue);

// The driver of a "PrinterPorts" value (driver,port,timeout,timeout): the first
// field, empty when the value has no comma.
std::string DriverOfPrinterPorts(std::string_view printerPortsValue);

// The port of a "PrinterPorts" value: the second field, empty unless the value
// has at least two commas.
std::string PortOfPrinterPorts(std::string_view printerPortsValue);

// The "device" value for a listed printer: name,driver,port.
std::string DeviceValue(std::string_view listedName, std::string_view printerPortsValue);

} // namespace sw
