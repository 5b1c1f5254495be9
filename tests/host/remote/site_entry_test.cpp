#include "remote/site_entry.h"

#include "remote/site_address.h"

#include <gtest/gtest.h>

namespace {

TEST(SiteEntry, AnAddressAndItsWaitForTheJobsEnd) {
    struct Case {
        const char* entry;
        const char* site; // nullptr: refused
        std::uint32_t followSeconds;
    };
    const Case cases[] = {
        {"ipp://host:631", "ipp://host:631", 300},
        {"  10.0.0.5  ", "10.0.0.5", 300},
        {"ipp://host:631 wait=120", "ipp://host:631", 120},
        {"host\twait=3", "host", 3},
        {"host   WAIT=Accepted  ", "host", 0},
        {"host wait=accepted", "host", 0},
        {"host wait=0", "host", 0},
        {"host wait=3600", "host", 3600},
        {"host wait=03", "host", 3},
        {"host wait=3601", nullptr, 0},
        {"host wait=", nullptr, 0},
        {"host wait=-1", nullptr, 0},
        {"host wait=2m", nullptr, 0},
        {"host wait=1 wait=2", nullptr, 0},
        {"host wait", nullptr, 0},
        {"host copies=2", nullptr, 0},
        {"bad site!", nullptr, 0}, // an option that is no option
        {"", "", 300},
    };
    for (const Case& c : cases) {
        const std::optional<sw::SiteEntry> read = sw::ReadSiteEntry(c.entry);
        ASSERT_EQ(read.has_value(), c.site != nullptr) << c.entry;
        if (!read)
            continue;
        EXPECT_EQ(read->site, c.site) << c.entry;
        EXPECT_EQ(read->followSeconds, c.followSeconds) << c.entry;
    }
}

TEST(SiteEntry, TheAddressAloneIsTheSite) {
    EXPECT_EQ(sw::SiteOfEntry(" ipp://host:631 wait=120 "), "ipp://host:631");
    EXPECT_EQ(sw::SiteOfEntry("host copies=2"), "host copies=2") << "refused whole";
    const std::vector<std::string> entries = {"10.0.0.5 wait=10", "ipp://Host:631/ipp/print",
                                              "bad wait=x", "socket://10.0.0.7 wait=accepted"};
    EXPECT_EQ(sw::FollowSecondsOfSite(entries, "10.0.0.5"), 10u);
    EXPECT_EQ(sw::FollowSecondsOfSite(entries, "ipp://host:631/ipp/print"), 300u);
    EXPECT_EQ(sw::FollowSecondsOfSite(entries, "socket://10.0.0.7"), 0u);
    EXPECT_EQ(sw::FollowSecondsOfSite(entries, "bad"), 300u) << "its entry is refused";
    EXPECT_EQ(sw::FollowSecondsOfSite(entries, "10.0.0.9"), 300u) << "not listed";
    EXPECT_EQ(sw::FollowSecondsOfSite({}, "10.0.0.5"), 300u);
}

TEST(SiteEntry, ListedPrintersOfSitesWithOptions) {
    const std::vector<std::string> entries = {"10.0.0.5 wait=10", "ipp://host:631 wait=oops",
                                              "host2 wait=accepted"};
    EXPECT_EQ(sw::UsableSites(entries),
              (std::vector<std::string>{"10.0.0.5 wait=10", "host2 wait=accepted"}));
    EXPECT_EQ(sw::UnusableSites(entries), (std::vector<std::string>{"ipp://host:631 wait=oops"}));
    EXPECT_TRUE(sw::IsPrinterOfListedSite("10.0.0.5:laser", sw::UsableSites(entries)));
    EXPECT_TRUE(sw::IsPrinterOfListedSite("HOST2:laser", sw::UsableSites(entries)));
    EXPECT_FALSE(sw::IsPrinterOfListedSite("10.0.0.5 wait=10:laser", sw::UsableSites(entries)));
    EXPECT_FALSE(sw::IsPrinterOfListedSite("ipp://host:631:laser", sw::UsableSites(entries)));
}

} // namespace
