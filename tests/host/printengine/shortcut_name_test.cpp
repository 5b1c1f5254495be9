#include "printengine/shortcut_name.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

const std::pair<const char*, const char*> kNameCases[] = {
    {"Label 2.3", "Label2_3"},
    {"Spoolwright", "Spoolwright"},
    {"  a . b  ", "a_b"},
    {"v1.2.3", "v1_2_3"},
    {"...", "___"},
    {"   ", ""},
    {"", ""},
    {"tab\there", "tab\there"}, // only spaces are removed
};

TEST(ShortcutName, DotsBecomeUnderscoresAndSpacesGo) {
    for (const auto& [name, cleaned] : kNameCases)
        EXPECT_EQ(sw::CleanShortcutName(name), cleaned) << "name: '" << name << "'";
}

TEST(ShortcutName, RecentShortcutIsNamedAfterTheTargetsFileName) {
    EXPECT_EQ(sw::RecentShortcutPath("C:\\Recent", "C:\\data\\report.prn"),
              "C:\\Recent\\report.prn.lnk");
    EXPECT_EQ(sw::RecentShortcutPath("C:\\Recent\\", "report"), "C:\\Recent\\report.lnk");
    EXPECT_EQ(sw::RecentShortcutPath("C:\\Recent", "C:\\data\\"), "C:\\Recent\\.lnk");
}

TEST(ShortcutName, DestinationShortcutGetsTheCleanedName) {
    EXPECT_EQ(sw::DestinationShortcutPath("C:\\Desktop", "Label 2.3"), "C:\\Desktop\\Label2_3.lnk");
    EXPECT_EQ(sw::DestinationShortcutPath("C:\\SendTo\\", "Spoolwright"),
              "C:\\SendTo\\Spoolwright.lnk");
}

} // namespace
