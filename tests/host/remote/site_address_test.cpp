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

// The forms "ipp://" and "ipps://" add TLS and a printer's resource; the
// older forms mean what they meant.
TEST(SiteAddress, IppAndIppsAddressesWithAndWithoutAPrinterResource) {
    struct Case {
        const char* site;
        const char* host; // nullptr: refused
        unsigned port;
        bool tls;
        const char* path;
        const char* uri;
    };
    const Case cases[] = {
        {"127.0.0.1:8631", "127.0.0.1", 8631, false, "", "ipp://127.0.0.1:8631"},
        {"ipp://printhost", "printhost", 631, false, "", "ipp://printhost:631"},
        {"IPP://printhost:8000/", "printhost", 8000, false, "", "ipp://printhost:8000"},
        {"ipps://localhost:8443", "localhost", 8443, true, "", "ipps://localhost:8443"},
        {"Ipps://localhost", "localhost", 631, true, "", "ipps://localhost:631"},
        {" ipp://127.0.0.1:8000/ipp/print ", "127.0.0.1", 8000, false, "/ipp/print",
         "ipp://127.0.0.1:8000/ipp/print"},
        {"ipps://[::1]:8443/printers/laser", "::1", 8443, true, "/printers/laser",
         "ipps://[::1]:8443/printers/laser"},
        {"ipp://h/printers/a%20b", "h", 631, false, "/printers/a%20b",
         "ipp://h:631/printers/a%20b"},
        // Refused: other schemes, no host, bad ports, blanks, '|', queries, bad escapes.
        {"http://printhost", nullptr, 0, false, "", ""},
        {"ipp:/printhost", nullptr, 0, false, "", ""},
        {"ipp://", nullptr, 0, false, "", ""},
        {"ipp:///ipp/print", nullptr, 0, false, "", ""},
        {"ipp://host:0/ipp/print", nullptr, 0, false, "", ""},
        {"ipp://host/ipp print", nullptr, 0, false, "", ""},
        {"ipp://host/ipp|print", nullptr, 0, false, "", ""},
        {"ipp://host/ipp/print?x=1", nullptr, 0, false, "", ""},
        {"ipp://host/a%2", nullptr, 0, false, "", ""},
        {"ipp://host/a%zz", nullptr, 0, false, "", ""},
        {"ipp://user@host/ipp/print", nullptr, 0, false, "", ""},
        {"host/ipp/print", nullptr, 0, false, "", ""},
    };
    for (const Case& c : cases) {
        const std::optional<sw::SiteAddress> address = sw::ParseSiteAddress(c.site);
        if (c.host == nullptr) {
            EXPECT_FALSE(address) << "accepted \"" << c.site << "\"";
            continue;
        }
        ASSERT_TRUE(address) << "refused \"" << c.site << "\"";
        EXPECT_EQ(address->host, c.host) << c.site;
        EXPECT_EQ(address->port, c.port) << c.site;
        EXPECT_EQ(address->tls, c.tls) << c.site;
        EXPECT_EQ(address->path, c.path) << c.site;
        EXPECT_EQ(sw::NamesPrinter(*address), *c.path != '\0') << c.site;
        EXPECT_EQ(sw::SiteUri(*address), c.uri) << c.site;
    }
}

// "socket://" is a printer's raw port: 9100 unless given, nothing after it.
TEST(SiteAddress, AppSocketAddresses) {
    const AddressCase cases[] = {
        {"socket://10.0.0.5", "10.0.0.5", 9100, false},
        {" SOCKET://label-printer:9101 ", "label-printer", 9101, false},
        {"socket://[::1]", "::1", 9100, true},
        {"socket://", nullptr, 0, false},
        {"socket://10.0.0.5:9100/queue", nullptr, 0, false},
        {"socket://10.0.0.5:0", nullptr, 0, false},
        {"socket://user@10.0.0.5", nullptr, 0, false},
    };
    for (const AddressCase& c : cases) {
        const std::optional<sw::SiteAddress> address = sw::ParseSiteAddress(c.site);
        if (c.host == nullptr) {
            EXPECT_FALSE(address) << "accepted \"" << c.site << "\"";
            continue;
        }
        ASSERT_TRUE(address) << "refused \"" << c.site << "\"";
        EXPECT_TRUE(address->appSocket) << c.site;
        EXPECT_EQ(address->host, c.host) << c.site;
        EXPECT_EQ(address->port, c.port) << c.site;
        EXPECT_EQ(address->ipv6, c.ipv6) << c.site;
    }
    EXPECT_FALSE(sw::ParseSiteAddress("10.0.0.5")->appSocket);
}

// "lpd://" is a daemon's queue: 515 unless given, '/' and the queue's name.
TEST(SiteAddress, LpdAddresses) {
    const struct {
        const char* site;
        const char* host; // nullptr: refused
        unsigned port;
        const char* queue;
    } cases[] = {
        {"lpd://10.0.0.5/raw", "10.0.0.5", 515, "raw"},
        {" LPD://printhost:5515/PASSTHRU ", "printhost", 5515, "PASSTHRU"},
        {"lpd://[::1]/lp", "::1", 515, "lp"},
        {"lpd://[::1]:516/lp", "::1", 516, "lp"},
        {"lpd://h/L1_text-queue.2+@~", "h", 515, "L1_text-queue.2+@~"},
        {"lpd://10.0.0.5", nullptr, 0, nullptr},
        {"lpd://10.0.0.5/", nullptr, 0, nullptr},
        {"lpd:///raw", nullptr, 0, nullptr},
        {"lpd://10.0.0.5:0/raw", nullptr, 0, nullptr},
        {"lpd://10.0.0.5/a/b", nullptr, 0, nullptr},
        {"lpd://10.0.0.5/a b", nullptr, 0, nullptr},
        {"lpd://10.0.0.5/a:b", nullptr, 0, nullptr},
        {"lpd://10.0.0.5/a|b", nullptr, 0, nullptr},
        {"lpd://10.0.0.5/a?b", nullptr, 0, nullptr},
        {"lpd://10.0.0.5/a%20", nullptr, 0, nullptr},
        {"lpd://10.0.0.5/caf\xc3\xa9", nullptr, 0, nullptr},
        {"lpd://user@10.0.0.5/raw", nullptr, 0, nullptr},
    };
    for (const auto& c : cases) {
        const std::optional<sw::SiteAddress> address = sw::ParseSiteAddress(c.site);
        if (c.host == nullptr) {
            EXPECT_FALSE(address) << "accepted \"" << c.site << "\"";
            continue;
        }
        ASSERT_TRUE(address) << "refused \"" << c.site << "\"";
        EXPECT_TRUE(sw::IsLpdSite(*address)) << c.site;
        EXPECT_FALSE(address->appSocket) << c.site;
        EXPECT_EQ(address->host, c.host) << c.site;
        EXPECT_EQ(address->port, c.port) << c.site;
        EXPECT_EQ(address->lpdQueue, c.queue) << c.site;
    }
    EXPECT_FALSE(sw::IsLpdSite(*sw::ParseSiteAddress("10.0.0.5")));
    EXPECT_FALSE(sw::ParseSiteAddress(std::string("lpd://h/") + std::string(128, 'q')));
    EXPECT_TRUE(sw::ParseSiteAddress(std::string("lpd://h/") + std::string(127, 'q')));
    // Listed as "site:queue", which splits back at its last ':'.
    const std::string item = sw::RemotePrinterItem("lpd://10.0.0.5:515/raw", "raw");
    EXPECT_EQ(sw::SplitRemotePrinterItem(item)->site, "lpd://10.0.0.5:515/raw");
    EXPECT_EQ(sw::SplitRemotePrinterItem(item)->printer, "raw");
}

TEST(SiteAddress, HostHeaderAndPrinterUri) {
    sw::SiteAddress v4;
    v4.host = "127.0.0.1";
    v4.port = 8631;
    sw::SiteAddress v6;
    v6.host = "::1";
    v6.ipv6 = true;
    EXPECT_EQ(sw::HostAndPort(v4), "127.0.0.1:8631");
    EXPECT_EQ(sw::HostAndPort(v6), "[::1]:631");
    EXPECT_EQ(sw::PrinterUri(v4, "sw_remote"), "ipp://127.0.0.1:8631/printers/sw_remote");
    EXPECT_EQ(sw::PrinterResource(v4, "a b/c%"), "/printers/a%20b%2Fc%25");

    sw::SiteAddress secure = v4;
    secure.tls = true;
    EXPECT_EQ(sw::PrinterUri(secure, "q"), "ipps://127.0.0.1:8631/printers/q");

    // A printer site is its own printer, whatever name it is listed under.
    sw::SiteAddress printer = v4;
    printer.path = "/ipp/print";
    EXPECT_EQ(sw::PrinterUri(printer, "Office Laser"), "ipp://127.0.0.1:8631/ipp/print");
    EXPECT_EQ(sw::PrinterResource(printer, "Office Laser"), "/ipp/print");
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
        {"ipps://h:8443:q", "ipps://h:8443", "q"},
        {"ipp://h:8000/ipp/print:Office Laser", "ipp://h:8000/ipp/print", "Office Laser"},
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
