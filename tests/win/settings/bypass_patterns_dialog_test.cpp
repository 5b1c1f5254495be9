// The driver-bypass exceptions dialog: the pattern list loaded from and saved
// to the "NoBypass" section.
#include "resources/resource.h"
#include "settings/bypass_patterns_dialog.h"
#include "support/dialog_driver.h"
#include "support/settings_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using swtest::DialogDriver;
using Patterns = std::vector<std::string>;

const char kCaption[] = "Do not bypass driver when the filename is like...";

void Open() {
    sw::ShowBypassPatternsDialog(nullptr);
}

void StorePatterns(const Patterns& patterns) {
    for (std::size_t i = 0; i < patterns.size(); ++i)
        swtest::Store("NoBypass", "File_00" + std::to_string(i + 1), patterns[i]);
}

Patterns Shown(HWND dialog) {
    return swtest::ListItems(dialog, IDC_WORD_PATTERNS);
}

Patterns StoredPatterns(int keys) {
    Patterns patterns;
    for (int i = 1; i <= keys; ++i)
        patterns.push_back(swtest::Stored("NoBypass", "File_00" + std::to_string(i)));
    return patterns;
}

class BypassPatternsDialog : public swtest::SettingsFileTest {};

TEST_F(BypassPatternsDialog, EnterAddsAPatternAndExitStoresTheSortedList) {
    StorePatterns({"*.doc", "*.wri", "*.rtf"});
    DialogDriver(kCaption)
        .Inspect([](HWND dialog) {
            EXPECT_EQ(Shown(dialog), (Patterns{"*.doc", "*.rtf", "*.wri"}));
        })
        .SetText(IDC_WORD_PATTERN, "*.txt")
        .PressKey(IDC_WORD_PATTERN, VK_RETURN)
        .Inspect([](HWND dialog) {
            EXPECT_EQ(Shown(dialog), (Patterns{"*.doc", "*.rtf", "*.txt", "*.wri"}));
            EXPECT_EQ(swtest::ItemText(dialog, IDC_WORD_PATTERN), "");
        })
        .Click(IDC_WORD_EXIT)
        .Run(Open);
    EXPECT_EQ(StoredPatterns(5), (Patterns{"*.doc", "*.rtf", "*.txt", "*.wri", "<missing>"}));
    EXPECT_EQ(sw::BypassPatternKeys(), 4);
}

TEST_F(BypassPatternsDialog, TabGoesFromThePatternToTheListThenToTheButtons) {
    DialogDriver(kCaption)
        .Inspect([](HWND dialog) {
            EXPECT_EQ(swtest::TabOrder(dialog, IDC_WORD_PATTERN),
                      (std::vector<int>{IDC_WORD_PATTERN, IDC_WORD_PATTERNS, IDC_WORD_ADD,
                                        IDC_WORD_DELETE, IDC_WORD_EXIT}));
        })
        .Click(IDC_WORD_EXIT)
        .Run(Open);
}

TEST_F(BypassPatternsDialog, DeletingLeavesAnEmptyKeyThatEndsTheList) {
    StorePatterns({"a*", "b*", "c*", "d*", "e*"});
    DialogDriver(kCaption)
        .SelectItem(IDC_WORD_PATTERNS, 1)
        .Click(IDC_WORD_DELETE)
        .CloseBox()
        .Run(Open);
    EXPECT_EQ(StoredPatterns(5), (Patterns{"a*", "c*", "d*", "e*", ""}));

    DialogDriver(kCaption)
        .Inspect([](HWND dialog) {
            EXPECT_EQ(Shown(dialog), (Patterns{"a*", "c*", "d*", "e*"}));
        })
        .Click(IDC_WORD_EXIT)
        .Run(Open);
}

TEST_F(BypassPatternsDialog, EmptyAddAndDeleteWithoutSelectionChangeNothing) {
    StorePatterns({"*.doc"});
    DialogDriver(kCaption)
        .Click(IDC_WORD_ADD)
        .Click(IDC_WORD_DELETE)
        .Inspect([](HWND dialog) { EXPECT_EQ(Shown(dialog), (Patterns{"*.doc"})); })
        .Click(IDC_WORD_EXIT)
        .Run(Open);
    EXPECT_EQ(StoredPatterns(2), (Patterns{"*.doc", "<missing>"}));
}

TEST_F(BypassPatternsDialog, PatternsAreKeptTo79Characters) {
    StorePatterns({std::string(90, 'x')});
    DialogDriver(kCaption)
        .SetText(IDC_WORD_PATTERN, std::string(85, 'y'))
        .Click(IDC_WORD_ADD)
        .Inspect([](HWND dialog) {
            EXPECT_EQ(Shown(dialog), (Patterns{std::string(79, 'x'), std::string(79, 'y')}));
        })
        .Click(IDC_WORD_EXIT)
        .Run(Open);
}

} // namespace
