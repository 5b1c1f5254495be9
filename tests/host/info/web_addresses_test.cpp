#include "info/web_addresses.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The pages the web links and the driver dialog open.
TEST(WebAddresses, EightShortPagesUnderTheReservedExampleDomain) {
    std::vector<std::string> addresses{std::string(sw::WebLinkAddress(1)),
                                       std::string(sw::WebLinkAddress(2))};
    for (int i = 0; i < 6; ++i)
        addresses.emplace_back(sw::DriverDownloadAddress(i));
    for (const std::string& address : addresses) {
        EXPECT_LE(address.size(), sw::kWebAddressLimit) << address;
        EXPECT_NE(address.find(".example.com/"), std::string::npos) << address;
    }
    EXPECT_TRUE(sw::WebLinkAddress(3).empty());
    EXPECT_TRUE(sw::DriverDownloadAddress(6).empty());
    EXPECT_TRUE(sw::DriverDownloadAddress(-1).empty());
}

} // namespace
