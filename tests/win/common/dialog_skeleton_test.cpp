// The dialog skeleton: a command of the table and IDCANCEL reach their
// handlers with the dialog's data, and without a row IDCANCEL closes.
#include "common/dialog_skeleton.h"
#include "support/dialog_driver.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int kCount = 101;
constexpr char kCaption[] = "Skeleton";

struct Clicks {
    int counted = 0;
    bool cancelled = false;
};

void OnCount(HWND, Clicks* clicks) {
    ++clicks->counted;
}

void OnCancel(HWND dialog, Clicks* clicks) {
    clicks->cancelled = true;
    EndDialog(dialog, 7);
}

INT_PTR Show(const sw::DialogRules<Clicks>& rules, Clicks& clicks) {
    sw::DialogTemplate form(kCaption, 100, 40);
    form.AddControl(kCount, sw::ControlClass::Button, "Count", BS_PUSHBUTTON, 5, 5, 40, 14);
    return sw::ShowDialog(nullptr, form, rules, &clicks);
}

TEST(DialogSkeleton, TableCommandsAndCancelReachTheirHandlers) {
    Clicks clicks;
    INT_PTR result = 0;
    swtest::DialogDriver(kCaption).Click(kCount).Click(kCount).CloseBox().Run([&] {
        result = Show({nullptr, {{kCount, OnCount}, {IDCANCEL, OnCancel}}}, clicks);
    });
    EXPECT_EQ(clicks.counted, 2);
    EXPECT_TRUE(clicks.cancelled);
    EXPECT_EQ(result, 7) << "the cancel handler's end code";
}

TEST(DialogSkeleton, WithoutACancelRowEscapeEndsWithIdCancel) {
    Clicks clicks;
    INT_PTR result = 0;
    swtest::DialogDriver(kCaption).PressKey(kCount, VK_ESCAPE).Run([&] {
        result = Show({nullptr, {{kCount, OnCount}}}, clicks);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(clicks.counted, 0);
}

} // namespace
