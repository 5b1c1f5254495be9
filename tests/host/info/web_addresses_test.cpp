#include "info/web_addresses.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace {

// The pages the web links and the driver dialog open.
TEST(WebAddresses, EightShortPagesUnderTheReservedExampleDomain) {
    std::vector<std::string_view> addresses{sw::WebLinkAddress(1), sw::WebLinkAddress(2)};
    for (int i = 0; i < 6; ++i)
        addresses.emplace_back(sw::DriverDownloadAddress(i));
    for (const std::string_view address : addresses) {
        EXPECT_LE(address.size(), sw::kWebAddressLimit) << address;
        EXPECT_NE(address.find(".example.com/"), std::string_view::npos) << address;
    }
    EXPECT_TRUE(sw::WebLinkAddress(3).empty());
    EXPECT_TRUE(sw::DriverDownloadAddress(6).empty());
    EXPECT_TRUE(sw::DriverDownloadAddress(-1).empty());
}

} // namespace
