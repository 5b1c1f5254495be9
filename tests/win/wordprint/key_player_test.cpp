// Scripts played into an edit control of this test's own window, which has
// the keyboard focus, as the word processor's editor would have it.
#include "support/program_driver.h"
#include "wordprint/key_player.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

class FocusedEdit : public testing::Test {
  protected:
    void SetUp() override {
        window_ = CreateWindowA("Edit", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE | ES_MULTILINE, 0, 0,
                                400, 200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window_, nullptr);
        SetForegroundWindow(window_);
        SetFocus(window_);
        swtest::PumpMessagesFor(200);
    }
    void TearDown() override { DestroyWindow(window_); }

    std::string Typed(const char* script) {
        SetWindowTextA(window_, "");
        sw::SendKeyScript(script);
        swtest::PumpMessagesFor(200);
        char text[512] = {};
        GetWindowTextA(window_, text, sizeof(text));
        return text;
    }

    HWND window_ = nullptr;
};

TEST_F(FocusedEdit, CharactersNeedingShiftAreTypedWithIt) {
    EXPECT_EQ(Typed("Sub PrintAndExit():=_\"x\""), "Sub PrintAndExit():=_\"x\"");
}

TEST_F(FocusedEdit, ModifierAppliesToTheNextKeyOnlyAndNamedKeysWork) {
    EXPECT_EQ(Typed("+ab{LEFT}{BS}c{END}d{+}"), "cbd+");
    EXPECT_EQ(Typed("one~two"), "one\r\ntwo");
}

TEST_F(FocusedEdit, NoKeyIsLeftHeldDown) {
    Typed("+^%{FOO}%{HOME}+x{%}");
    for (int key : {VK_SHIFT, VK_CONTROL, VK_MENU, VK_HOME})
        EXPECT_EQ(GetAsyncKeyState(key) & 0x8000, 0) << "key " << key << " still down";
}

TEST(NamedKeyCode, AdvancesPastTheTokenAndTypesLiterals) {
    std::int32_t position = 2;
    EXPECT_EQ(sw::NamedKeyCode(position, "a{F4}b"), 115);
    EXPECT_EQ(position, 6);
    position = 1;
    EXPECT_EQ(sw::NamedKeyCode(position, "{DEL"), 0);
    EXPECT_EQ(position, 2);
    position = 99;
    EXPECT_EQ(sw::NamedKeyCode(position, "{TAB}"), 0);
}

} // namespace
