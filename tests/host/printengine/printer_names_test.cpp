#include "printengine/printer_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

TEST(PrinterNames, OnlyTheExactRenderingSubsystemIsDroppedAndTheOthersKeepTheirOrder) {
    EXPECT_EQ(sw::PrinterListFromNames({"Laser", "Rendering Subsystem", "Inkjet"}),
              (Names{"Laser", "Inkjet"}));
    EXPECT_EQ(sw::PrinterListFromNames({"Rendering Subsystem", "A", "B"}), (Names{"A", "B"}));
    EXPECT_EQ(sw::PrinterListFromNames({"Rendering Subsystem"}), Names{});
    EXPECT_EQ(sw::PrinterListFromNames({}), Names{});
    const Names near = {"rendering subsystem", "Rendering Subsystem ", "Rendering Subsystem2"};
    EXPECT_EQ(sw::PrinterListFromNames(near), near);
}

TEST(PrinterNames, NamesAreCutTo239Characters) {
    EXPECT_EQ(sw::PrinterListFromNames({std::string(300, 'q'), std::string(239, 'p')}),
              (Names{std::string(239, 'q'), std::string(239, 'p')}));
}

TEST(PrinterNames, FindIgnoresCaseAndTakesTheFirstMatch) {
    const Names list = {"sw_raw", "Laser", "LASER", "Ink-Jet_2"};
    EXPECT_EQ(sw::FindPrinterIgnoringCase(list, "laser"), 1);
    EXPECT_EQ(sw::FindPrinterIgnoringCase(list, "SW_RAW"), 0);
    EXPECT_EQ(sw::FindPrinterIgnoringCase(list, "ink-jet_2"), 3);
    EXPECT_EQ(sw::FindPrinterIgnoringCase(list, "Lase"), -1);
    EXPECT_EQ(sw::FindPrinterIgnoringCase(list, "Laser "), -1);
    EXPECT_EQ(sw::FindPrinterIgnoringCase(list, ""), -1);
    EXPECT_EQ(sw::FindPrinterIgnoringCase({}, "Laser"), -1);
}

TEST(PrinterNames, DefaultPrinterIsTheTextBeforeTheFirstComma) {
    EXPECT_EQ(sw::PrinterOfDeviceValue("Laser,winspool,LPT1:"), "Laser");
    EXPECT_EQ(sw::PrinterOfDeviceValue("sw_raw,wineps.drv,CUPS:sw_raw"), "sw_raw");
    EXPECT_EQ(sw::PrinterOfDeviceValue("NoComma"), "NoComma");
    EXPECT_EQ(sw::PrinterOfDeviceValue(",winspool,LPT1:"), "");
    EXPECT_EQ(sw::PrinterOfDeviceValue(""), "");
}

struct PortsCase {
    const char* value;
    const char* driver;
    const char* port;
};

const PortsCase kPortsCases[] = {
    {"winspool,LPT1:,15,45", "winspool", "LPT1:"},
    {"wineps.drv,CUPS:sw_raw,15,45", "wineps.drv", "CUPS:sw_raw"},
    {"winspool,LPT1:,", "winspool", "LPT1:"},
    {"winspool,LPT1:", "winspool", ""},
    {"winspool", "", ""},
    {"", "", ""},
    {",,", "", ""},
};

TEST(PrinterNames, DriverAndPortAreTakenOnlyFromClosedFields) {
    for (const PortsCase& c : kPortsCases) {
        EXPECT_EQ(sw::DriverOfPrinterPorts(c.value), c.driver) << "value: " << c.value;
        EXPECT_EQ(sw::PortOfPrinterPorts(c.value), c.port) << "value: " << c.value;
    }
}

TEST(PrinterNames, DeviceValueJoinsNameDriverAndPort) {
    EXPECT_EQ(sw::DeviceValue("Laser", "winspool,LPT1:,15,45"), "Laser,winspool,LPT1:");
    EXPECT_EQ(sw::DeviceValue("Laser", ""), "Laser,,");
    EXPECT_EQ(sw::DeviceValue("Laser", "winspool,LPT1:"), "Laser,winspool,");
}

} // namespace
