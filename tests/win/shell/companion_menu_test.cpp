// The main window's menu item "Spoolwright Remote" is checked while the
// companion runs and cleared once it has ended: the check follows the
// companion's real state, whoever started or ended it.
#include "resources/resource.h"
#include "shell/companion.h"
#include "shell/main_window.h"
#include "support/print_server.h"
#include "support/program_driver.h"

#include <gtest/gtest.h>

namespace {

bool Checked(HMENU menu) {
    return (GetMenuState(menu, IDM_COMPANION, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

TEST(CompanionMenu, TheCheckFollowsWhetherTheCompanionRuns) {
    HMENU menu = sw::LoadMainMenu(GetModuleHandleA(nullptr));
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(sw::UpdateCompanionMenuItem(menu));
    EXPECT_FALSE(Checked(menu));
    {
        swtest::RunningProgram companion(swtest::ProgramFromEnvironment("SW_COMPANION_STANDIN"),
                                         "\"" + swtest::RunFolder() +
                                             "\\companion-menu.log\" single site:laser");
        ASSERT_NE(companion.WaitForWindow(swtest::kCompanionStandInClass), nullptr);
        EXPECT_TRUE(sw::UpdateCompanionMenuItem(menu));
        EXPECT_TRUE(Checked(menu));
        EXPECT_TRUE(swtest::CloseWindowAndWait(nullptr, "Spoolwright Remote", 5000));
    }
    EXPECT_FALSE(sw::UpdateCompanionMenuItem(menu));
    EXPECT_FALSE(Checked(menu)) << "the check stayed after the companion ended";
    DestroyMenu(menu);
}

} // namespace
