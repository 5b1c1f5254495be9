#include "remote/remote_sites_line.h"
#include "remote/site_address.h"

#include <gtest/gtest.h>

namespace {

using Sites = std::vector<std::string>;

TEST(RemoteSitesLine, SplitListGivesThePiecesBetweenSeparators) {
    struct Case {
        const char* text;
        Sites pieces;
    };
    const Case cases[] = {
        {"10.0.0.5", {"10.0.0.5"}},  {"10.0.0.5|10.0.0.6", {"10.0.0.5", "10.0.0.6"}},
        {"a||b", {"a", "", "b"}},    {"|a", {"", "a"}},
        {"a|", {"a", ""}},           {"|", {"", ""}},
        {" a | b ", {" a ", " b "}},
    };
    for (const Case& c : cases) {
        Sites list{"old"};
        sw::SplitList(c.text, '|', list);
        EXPECT_EQ(list, c.pieces) << c.text;
    }
}

TEST(RemoteSitesLine, SplitListOfAnEmptyTextLeavesTheListAlone) {
    Sites list{"kept", "too"};
    sw::SplitList("", '|', list);
    EXPECT_EQ(list, (Sites{"kept", "too"}));
}

TEST(RemoteSitesLine, JoiningDropsEmptyEntriesOnlyAtTheFront) {
    EXPECT_EQ(sw::JoinSites({}), "");
    EXPECT_EQ(sw::JoinSites({"10.0.0.5", "10.0.0.6", "10.0.0.7"}), "10.0.0.5|10.0.0.6|10.0.0.7");
    EXPECT_EQ(sw::JoinSites({"", "", "a", "", "b"}), "a||b");
    EXPECT_EQ(sw::JoinSites({"a", ""}), "a|");
    EXPECT_EQ(sw::SitesFileText({"10.0.0.5"}), "10.0.0.5\r\n");
    EXPECT_EQ(sw::SitesFileText({}), "\r\n");
}

TEST(RemoteSitesLine, EveryLineAndEveryPartOfTheFileIsInTheList) {
    struct Case {
        const char* text;
        Sites sites;
    };
    const Case cases[] = {
        {"", {}},
        {"\r\n", {}},
        {"10.0.0.5\r\n", {"10.0.0.5"}},
        {"10.0.0.5|10.0.0.6", {"10.0.0.5", "10.0.0.6"}},
        {"a|b\r\nc\r\n\r\n", {"a", "b", "c"}},
        {"a|b\nc|d\n", {"a", "b", "c", "d"}},
        {"a\rb\r", {"a", "b"}},
        {"a|b\r\n   \r\n", {"a", "b"}},
        // Blanks at the ends and empty parts do not count; a repeat in any
        // letter case is left out.
        {" a || host \r\nb|HOST|A\r\n", {"a", "host", "b"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(sw::SitesFromFileText(c.text), c.sites) << c.text;
    // A daemon's queue is a site; one without a queue is not.
    EXPECT_EQ(sw::UnusableSites(
                  {"10.0.0.5", "lpd://127.0.0.1/q", "lpd://127.0.0.1", "ipp://h/ipp/print"}),
              (Sites{"lpd://127.0.0.1"}));
}

TEST(RemoteSitesLine, AddingAppendsTheTrimmedSite) {
    EXPECT_EQ(sw::SitesFileText(sw::WithSiteAdded({}, "10.0.0.5")), "10.0.0.5\r\n");
    EXPECT_EQ(sw::JoinSites(sw::WithSiteAdded({"10.0.0.5", "10.0.0.6"}, "  10.0.0.7 ")),
              "10.0.0.5|10.0.0.6|10.0.0.7");
    // The file operations keep duplicates; only the dialog refuses them.
    EXPECT_EQ(sw::WithSiteAdded({"a"}, "a"), (Sites{"a", "a"}));
}

TEST(RemoteSitesLine, RemovingDropsEveryEqualEntryCaseSensitively) {
    const Sites sites{"10.0.0.5", "host", "10.0.0.6", "HOST", "host", "10.0.0.7"};
    EXPECT_EQ(sw::WithSiteRemoved(sites, " host "),
              (Sites{"10.0.0.5", "10.0.0.6", "HOST", "10.0.0.7"}));
    EXPECT_EQ(sw::JoinSites(sw::WithSiteRemoved({"10.0.0.5", "10.0.0.6", "10.0.0.7"}, "10.0.0.6")),
              "10.0.0.5|10.0.0.7");
    EXPECT_EQ(sw::WithSiteRemoved(sites, "absent"), sites);
}

} // namespace
