// Arbitrary "PrinterPorts" and "device" values through the printer directory's
// rules: a device value built for a listed name always starts with that name,
// is read back as it, and its driver and port fields hold no comma.
#include "fuzz_check.h"
#include "printengine/printer_names.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input = swfuzz::Text(data, size);
    const std::size_t split = input.find('\n');
    std::string name = input.substr(0, split);
    const std::string ports = split == std::string::npos ? std::string() : input.substr(split + 1);

    const std::string driver = sw::DriverOfPrinterPorts(ports);
    const std::string port = sw::PortOfPrinterPorts(ports);
    swfuzz::CrashIf(driver.find(',') != std::string::npos || port.find(',') != std::string::npos);
    swfuzz::CrashIf(sw::PrinterOfDeviceValue(ports).size() > ports.size());

    std::replace(name.begin(), name.end(), ',', '_'); // printer names hold no comma
    const std::string device = sw::DeviceValue(name, ports);
    swfuzz::CrashIf(device.compare(0, name.size() + 1, name + ",") != 0 ||
                    sw::PrinterOfDeviceValue(device) != name);

    const std::vector<std::string> list = sw::PrinterListFromNames({name, ports, device});
    swfuzz::CrashIf(list.size() > 3);
    for (const std::string& listed : list) {
        swfuzz::CrashIf(listed.size() > sw::kPrinterListNameLimit ||
                        listed == "Rendering Subsystem");
    }
    const int found = sw::FindPrinterIgnoringCase(list, name);
    swfuzz::CrashIf(found >= static_cast<int>(list.size()));
    return 0;
}
