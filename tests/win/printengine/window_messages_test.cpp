// The window-message helpers against real windows of another process
// (window_host.exe): its top-level window, edit control and list box.
#include "printengine/swprint.h"
#include "support/ole_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using swtest::TakeOleText;

const int kEditId = 101;
const int kListId = 102;

// Starts window_host.exe from the test's folder and closes it at scope end.
class WindowHost {
  public:
    WindowHost() {
        char path[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        std::string commandLine = path;
        commandLine =
            "\"" + commandLine.substr(0, commandLine.rfind('\\') + 1) + "window_host.exe\"";
        STARTUPINFOA startup = {};
        startup.cb = sizeof(startup);
        if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process_)) {
            ADD_FAILURE() << "cannot start " << commandLine << ", error " << GetLastError();
            return;
        }
        // The window appears a little after the process starts.
        for (int tries = 0; tries < 200 && window_ == nullptr; ++tries) {
            // The host takes its title once its controls are filled in.
            for (HWND found = FindWindowA("swWindowHost", "Window host"); found != nullptr;
                 found = FindWindowExA(nullptr, found, "swWindowHost", "Window host")) {
                DWORD owner = 0;
                GetWindowThreadProcessId(found, &owner);
                if (owner == process_.dwProcessId)
                    window_ = found;
            }
            if (window_ == nullptr)
                Sleep(50);
        }
        EXPECT_NE(window_, nullptr) << "window_host.exe showed no window";
    }
    ~WindowHost() {
        if (window_ != nullptr)
            PostMessageA(window_, WM_CLOSE, 0, 0);
        if (process_.hProcess != nullptr) {
            if (WaitForSingleObject(process_.hProcess, 10000) != WAIT_OBJECT_0)
                TerminateProcess(process_.hProcess, 1);
            CloseHandle(process_.hProcess);
            CloseHandle(process_.hThread);
        }
    }
    WindowHost(const WindowHost&) = delete;
    WindowHost& operator=(const WindowHost&) = delete;

    HWND Window() const { return window_; }
    HWND Edit() const { return GetDlgItem(window_, kEditId); }
    HWND List() const { return GetDlgItem(window_, kListId); }

  private:
    PROCESS_INFORMATION process_ = {};
    HWND window_ = nullptr;
};

TEST(WindowMessages, ReadsAndWritesTheTextOfAnotherProcesssWindows) {
    WindowHost host;
    ASSERT_NE(host.Window(), nullptr);
    EXPECT_EQ(TakeOleText(VBTxtMessage(host.Window())), "Window host");
    EXPECT_EQ(TakeOleText(VBTxtMessage(host.Edit())), "initial text");

    VBWriteTxtMessage(host.Edit(), "written by the test");
    EXPECT_EQ(TakeOleText(VBTxtMessage(host.Edit())), "written by the test");
    char direct[64] = {};
    SendMessageA(host.Edit(), WM_GETTEXT, sizeof(direct), reinterpret_cast<LPARAM>(direct));
    EXPECT_STREQ(direct, "written by the test");

    VBWriteTxtMessage(host.Edit(), nullptr);
    EXPECT_EQ(TakeOleText(VBTxtMessage(host.Edit())), "") << "a null text writes an empty one";
}

TEST(WindowMessages, TextIsReadAtMost1023Characters) {
    WindowHost host;
    ASSERT_NE(host.Window(), nullptr);
    VBWriteTxtMessage(host.Edit(), std::string(2000, 'w').c_str());
    EXPECT_EQ(SendMessageA(host.Edit(), WM_GETTEXTLENGTH, 0, 0), 2000);
    EXPECT_EQ(TakeOleText(VBTxtMessage(host.Edit())), std::string(1023, 'w'));
}

TEST(WindowMessages, ReadsListBoxItemsOfAnotherProcessAsAnsi) {
    WindowHost host;
    ASSERT_NE(host.Window(), nullptr);
    const struct {
        LONG index;
        std::string text;
    } cases[] = {
        {0, "alpha"},   {1, "Beta"},
        {3, "beta"},    {4, std::string(1023, 'L')}, // a 1500-character item is cut
        {5, "Caf\xE9"}, {6, ""},                     // past the last item
        {-1, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TakeOleText(VBLBMessage(host.List(), c.index)), c.text) << "index " << c.index;
}

TEST(WindowMessages, FindsAnItemExactlyIgnoringCaseAfterTheStartIndex) {
    WindowHost host;
    ASSERT_NE(host.Window(), nullptr);
    const struct {
        LONG start;
        const char* text;
        LONG found;
    } cases[] = {
        {-1, "BETA", 1},  {1, "beta", 3},  {3, "Beta", 1}, // the search wraps round
        {-1, "Gamma", 2}, {-1, "bet", -1}, {-1, "alpha ", -1}, {-1, "caf\xC9", 5},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(VBLbFindStringExact(host.List(), c.start, c.text), c.found)
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

TEST(WindowMessages, ImpossibleItemLengthGivesEmptyText) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = &BoastingListProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "swBoastingList";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, windowClass.lpszClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr,
                                  nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(TakeOleText(VBLBMessage(window, 0)), "");
    DestroyWindow(window);
}

TEST(WindowMessages, NoWindowGivesEmptyTextsAndNotFound) {
    EXPECT_EQ(TakeOleText(VBTxtMessage(nullptr)), "");
    EXPECT_EQ(TakeOleText(VBLBMessage(nullptr, 0)), "");
    EXPECT_EQ(VBLbFindStringExact(nullptr, -1, "alpha"), -1);
    VBWriteTxtMessage(nullptr, "nowhere");
}

} // namespace
