// The window-message helpers against real windows of another process
// (window_host.exe): its top-level window, edit control and list box.
#include "printengine/swprint.h"
#include "support/ole_text.h"
#include "support/program_driver.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

using swtest::TakeOleText;

const int kEditId = 101;
const int kListId = 102;

// Each test runs window_host.exe from the test's folder, which takes its
// title once its controls are filled in, and closes it at the end.
class WindowMessages : public testing::Test {
  protected:
    void SetUp() override {
        window_ = host_.WaitForWindow("swWindowHost", "Window host", 10000);
        ASSERT_NE(window_, nullptr) << "window_host.exe showed no window";
    }
    HWND Edit() const { return GetDlgItem(window_, kEditId); }
    HWND List() const { return GetDlgItem(window_, kListId); }

    swtest::RunningProgram host_{swtest::TestProgramFolder() + "window_host.exe", ""};
    HWND window_ = nullptr;
};

TEST_F(WindowMessages, ReadsAndWritesTheTextOfAnotherProcesssWindows) {
    EXPECT_EQ(TakeOleText(VBTxtMessage(window_)), "Window host");
    EXPECT_EQ(TakeOleText(VBTxtMessage(Edit())), "initial text");

    VBWriteTxtMessage(Edit(), "written by the test");
    EXPECT_EQ(TakeOleText(VBTxtMessage(Edit())), "written by the test");
    char direct[64] = {};
    SendMessageA(Edit(), WM_GETTEXT, sizeof(direct), reinterpret_cast<LPARAM>(direct));
    EXPECT_STREQ(direct, "written by the test");

    VBWriteTxtMessage(Edit(), nullptr);
    EXPECT_EQ(TakeOleText(VBTxtMessage(Edit())), "") << "a null text writes an empty one";
}

TEST_F(WindowMessages, TextIsReadAtMost1023Characters) {
    VBWriteTxtMessage(Edit(), std::string(2000, 'w').c_str());
    EXPECT_EQ(SendMessageA(Edit(), WM_GETTEXTLENGTH, 0, 0), 2000);
    EXPECT_EQ(TakeOleText(VBTxtMessage(Edit())), std::string(1023, 'w'));
}

TEST_F(WindowMessages, ReadsListBoxItemsOfAnotherProcessInItsCodePage) {
    const std::pair<LONG, std::string> cases[] = {
        {0, "alpha"},       {1, "Beta"},
        {3, "beta"},        {4, std::string(1023, 'L')}, // a 1500-character item is cut
        {5, "Caf\xC3\xA9"}, {6, ""},                     // past the last item
        {-1, ""},
    };
    for (const auto& [index, text] : cases)
        EXPECT_EQ(TakeOleText(VBLBMessage(List(), index)), text) << "index " << index;
}

TEST_F(WindowMessages, FindsAnItemExactlyIgnoringCaseAfterTheStartIndex) {
    const struct {
        LONG start;
        const char* text;
        LONG found;
    } cases[] = {
        {-1, "BETA", 1},  {1, "beta", 3},  {3, "Beta", 1}, // the search wraps round
        {-1, "Gamma", 2}, {-1, "bet", -1}, {-1, "alpha ", -1}, {-1, "caf\xC3\x89", 5},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(VBLbFindStringExact(List(), c.start, c.text), c.found)
            << "'" << c.text << "' from " << c.start;
    }
}

// A window that claims a list box item of 2 gigacharacters and writes none.
LRESULT CALLBACK BoastingListProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == LB_GETTEXTLEN)
        return 0x7FFFFFFF;
    if (message == LB_GETTEXT)
        return 0;
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST(WindowMessagesWithoutHost, ImpossibleItemLengthGivesEmptyText) {
    HWND window = swtest::CreateTestWindow("swBoastingList", BoastingListProcedure, "", WS_POPUP);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(TakeOleText(VBLBMessage(window, 0)), "");
    DestroyWindow(window);
}

TEST(WindowMessagesWithoutHost, NoWindowGivesEmptyTextsAndNotFound) {
    EXPECT_EQ(TakeOleText(VBTxtMessage(nullptr)), "");
    EXPECT_EQ(TakeOleText(VBLBMessage(nullptr, 0)), "");
    EXPECT_EQ(VBLbFindStringExact(nullptr, -1, "alpha"), -1);
    VBWriteTxtMessage(nullptr, "nowhere");
}

} // namespace
