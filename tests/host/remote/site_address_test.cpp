#include "remote/site_address.h"

#include <gtest/gtest.h>

namespace {

struct AddressCase {
    const char* site;
    const char* host; // nullptr: refused
    unsigned port;
    bool ipv6;
};

TEST(SiteAddress, HostNamesAndAddressesWithOptionalPorts) {
    const AddressCase cases[] = {
        {"10.0.0.5", "10.0.0.5", 631, false},
        {"  10.0.0.5  ", "10.0.0.5", 631, false},
        {"127.0.0.1:8631", "127.0.0.1", 8631, false},
        {"printhost", "printhost", 631, false},
        {"print-host.example.com:00631", "print-host.example.com", 631, false},
        {"a1.b2", "a1.b2", 631, false},
        {"::1", "::1", 631, true},
        {"[::1]", "::1", 631, true},
        {"[::1]:8631", "::1", 8631, true},
        {"fe80::1:2", "fe80::1:2", 631, true},
        {"2001:db8:0:0:0:0:0:1", "2001:db8:0:0:0:0:0:1", 631, true},
        {"::ffff:192.0.2.1", "::ffff:192.0.2.1", 631, true},
        // Refused: empty, blanks, shell and URL characters, bad numbers.
        {"", nullptr, 0, false},
        {"   ", nullptr, 0, false},
        {"10.0.0.256", nullptr, 0, false},
        {"10.0.0", nullptr, 0, false},
        {"10.0.0.5.6", nullptr, 0, false},
        {"host name", nullptr, 0, false},
        {"host;rm -rf", nullptr, 0, false},
        {"host/path", nullptr, 0, false},
        {"user@host", nullptr, 0, false},
        {"-host", nullptr, 0, false},
        {"host-", nullptr, 0, false},
        {"host..example", nullptr, 0, false},
        {"host.", nullptr, 0, false},
        {"host:", nullptr, 0, false},
        {"host:0", nullptr, 0, false},
        {"host:65536", nullptr, 0, false},
        {"host:+80", nullptr, 0, false},
        {"host:80x", nullptr, 0, false},
        {"[::1", nullptr, 0, false},
        {"[::1]x", nullptr, 0, false},
        {"[10.0.0.5]", nullptr, 0, false},
        {":::1", nullptr, 0, false},
        {"1::2::3", nullptr, 0, false},
        {"1:2:3:4:5:6:7:8:9", nullptr, 0, false},
        {"12345::1", nullptr, 0, false},
        {"fe80::1%eth0", nullptr, 0, false},
        {"host\r\nInjected: 1", nullptr, 0, false},
    };
    for (const AddressCase& c : cases) {
        const std::optional<sw::SiteAddress> address = sw::ParseSiteAddress(c.site);
        if (c.host == nullptr) {
            EXPECT_FALSE(address) << "accepted \"" << c.site << "\" as " << address->host;
            continue;
        }
        ASSERT_TRUE(address) << "refused \"" << c.site << "\"";
        EXPECT_EQ(address->host, c.host) << c.site;
        EXPECT_EQ(address->port, c.port) << c.site;
        EXPECT_EQ(address->ipv6, c.ipv6) << c.site;
    }
}

TEST(SiteAddress, ALongNameIsRefusedPastItsLimits) {
    const std::string label63(63, 'a');
    EXPECT_TRUE(sw::ParseSiteAddress(label63));
    EXPECT_FALSE(sw::ParseSiteAddress(label63 + "a"));
    const std::string name253 =
        label63 + "." + label63 + "." + label63 + "." + std::string(61, 'b');
    ASSERT_EQ(name253.size(), 253u);
    EXPECT_TRUE(sw::ParseSiteAddress(name253));
    EXPECT_FALSE(sw::ParseSiteAddress(name253 + "b"));
}

TEST(SiteAddress, HostHeaderAndPrinterUri) {
    const sw::SiteAddress v4{"127.0.0.1", 8631, false};
    const sw::SiteAddress v6{"::1", 631, true};
    EXPECT_EQ(sw::HostAndPort(v4), "127.0.0.1:8631");
    EXPECT_EQ(sw::HostAndPort(v6), "[::1]:631");
    EXPECT_EQ(sw::PrinterUri(v4, "sw_remote"), "ipp://127.0.0.1:8631/printers/sw_remote");
    EXPECT_EQ(sw::PrinterResource("a b/c%"), "/printers/a%20b%2Fc%25");
}

TEST(SiteAddress, RemotePrinterItemsSplitAtTheLastColon) {
    struct Case {
        const char* item;
        const char* site; // nullptr: no split
        const char* printer;
    };
    const Case cases[] = {
        {"10.0.0.5:laser", "10.0.0.5", "laser"},
        {"127.0.0.1:8631:sw_remote", "127.0.0.1:8631", "sw_remote"},
        {"[::1]:8631:q", "[::1]:8631", "q"},
        {"::1:q", "::1", "q"},
        {"laser", nullptr, nullptr},
        {":laser", nullptr, nullptr},
        {"site:", nullptr, nullptr},
        {"", nullptr, nullptr},
    };
    for (const Case& c : cases) {
        const auto name = sw::SplitRemotePrinterItem(c.item);
        if (c.site == nullptr) {
            EXPECT_FALSE(name) << c.item;
            continue;
        }
        ASSERT_TRUE(name) << c.item;
        EXPECT_EQ(name->site, c.site);
        EXPECT_EQ(name->printer, c.printer);
        EXPECT_EQ(sw::RemotePrinterItem(name->site, name->printer), c.item);
    }
}

TEST(SiteAddress, RemotePrinterBelongsToAListedSiteOrToNone) {
    const std::vector<std::string> sites = {" 10.0.0.5 ", "printhost:8631", "Office"};
    const struct {
        const char* item;
        bool listed;
    } cases[] = {
        {"10.0.0.5:laser", true},     // blanks around the entry do not count
        {"printhost:8631:ink", true}, // a site with a port
        {"OFFICE:laser", true},       // letter case ignored, as in the companion's list
        {"10.0.0.6:laser", false},    // a site not listed
        {"printhost:ink", false},     // the port is part of the site
        {"laser", false},             // no site at all
    };
    for (const auto& c : cases)
        EXPECT_EQ(sw::IsPrinterOfListedSite(c.item, sites), c.listed) << c.item;
    EXPECT_FALSE(sw::IsPrinterOfListedSite("10.0.0.5:laser", {})) << "no sites file";
}

} // namespace
