#include "support/dialog_driver.h"

#include "support/program_driver.h"

#include <gtest/gtest.h>

#include <utility>

namespace swtest {
namespace {

constexpr UINT kTickMs = 20;
// How long a step may wait for its window: generous, it only guards a hang.
constexpr int kTicksPerStep = 1500;

DialogDriver* activeDriver = nullptr;

BOOL CALLBACK EndOneDialog(HWND window, LPARAM) {
    char className[32] = {};
    GetClassNameA(window, className, sizeof(className));
    if (std::string(className) == "#32770")
        EndDialog(window, IDCANCEL);
    return TRUE;
}

BOOL CALLBACK LongestStatic(HWND child, LPARAM lParam) {
    char className[32] = {};
    GetClassNameA(child, className, sizeof(className));
    if (std::string(className) == "Static") {
        char text[1024] = {};
        GetWindowTextA(child, text, sizeof(text));
        auto* longest = reinterpret_cast<std::string*>(lParam);
        if (std::string(text).size() > longest->size())
            *longest = text;
    }
    return TRUE;
}

} // namespace

DialogDriver& DialogDriver::Add(std::string what, bool yields,
                                std::function<bool(DialogDriver&)> run) {
    steps_.push_back(Step{std::move(run), yields, std::move(what)});
    return *this;
}

DialogDriver& DialogDriver::On(const std::string& caption) {
    return Add("wait for \"" + caption + "\"", false, [caption](DialogDriver& driver) {
        driver.window_ = FindProcessWindow(GetCurrentProcessId(), nullptr, caption.c_str());
        return driver.window_ != nullptr;
    });
}

DialogDriver& DialogDriver::SetText(int id, const std::string& text) {
    return Add("set text of " + std::to_string(id), false, [id, text](DialogDriver& driver) {
        SetDlgItemTextA(driver.window_, id, text.c_str());
        return true;
    });
}

DialogDriver& DialogDriver::Click(int id) {
    return Add("click " + std::to_string(id), true, [id](DialogDriver& driver) {
        HWND button = GetDlgItem(driver.window_, id);
        EXPECT_NE(button, nullptr) << "no control " << id;
        PostMessageA(button, BM_CLICK, 0, 0);
        return true;
    });
}

DialogDriver& DialogDriver::SelectItem(int id, int index) {
    return Add("select item in " + std::to_string(id), false, [id, index](DialogDriver& driver) {
        SendDlgItemMessageA(driver.window_, id, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        return true;
    });
}

DialogDriver& DialogDriver::PressKey(int id, WPARAM key) {
    return Add("key in " + std::to_string(id), true, [id, key](DialogDriver& driver) {
        HWND control = GetDlgItem(driver.window_, id);
        SetFocus(control);
        PostMessageA(control, WM_KEYDOWN, key, 1);
        PostMessageA(control, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001));
        return true;
    });
}

DialogDriver& DialogDriver::CloseBox() {
    return Add("close box", true, [](DialogDriver& driver) {
        PostMessageA(driver.window_, WM_SYSCOMMAND, SC_CLOSE, 0);
        return true;
    });
}

DialogDriver& DialogDriver::Inspect(std::function<void(HWND window)> action) {
    return Add("inspect", false, [action](DialogDriver& driver) {
        action(driver.window_);
        return true;
    });
}

void DialogDriver::Run(const std::function<void()>& open) {
    next_ = 0;
    ticksOnStep_ = 0;
    activeDriver = this;
    const UINT_PTR timer = SetTimer(nullptr, 0, kTickMs, Tick);
    ASSERT_NE(timer, 0u);
    open();
    KillTimer(nullptr, timer);
    activeDriver = nullptr;
    EXPECT_EQ(next_, steps_.size()) << "the dialog closed before the step: "
                                    << (next_ < steps_.size() ? steps_[next_].what : std::string());
}

void CALLBACK DialogDriver::Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (activeDriver != nullptr && !activeDriver->running_)
        activeDriver->RunSteps();
}

void DialogDriver::RunSteps() {
    running_ = true;
    while (next_ < steps_.size()) {
        Step& step = steps_[next_];
        if (!step.run(*this)) {
            if (++ticksOnStep_ > kTicksPerStep)
                GiveUp();
            break;
        }
        ++next_;
        ticksOnStep_ = 0;
        if (step.yields)
            break;
    }
    running_ = false;
}

void DialogDriver::GiveUp() {
    ADD_FAILURE() << "gave up waiting: " << steps_[next_].what;
    next_ = steps_.size() + 1; // nothing more runs; Run() reports the failure
    EnumThreadWindows(GetCurrentThreadId(), EndOneDialog, 0);
}

std::string ItemText(HWND window, int id) {
    return WindowText(GetDlgItem(window, id));
}

bool IsChecked(HWND window, int id) {
    return IsDlgButtonChecked(window, id) == BST_CHECKED;
}

std::string MessageBoxText(HWND box) {
    std::string longest;
    EnumChildWindows(box, LongestStatic, reinterpret_cast<LPARAM>(&longest));
    return longest;
}

std::vector<int> TabOrder(HWND window, int firstId) {
    std::vector<int> ids;
    HWND first = GetDlgItem(window, firstId);
    HWND control = first;
    // Bounded, so that a tab ring that never returns cannot hang a test.
    for (int step = 0; control != nullptr && step < 64; ++step) {
        ids.push_back(GetDlgCtrlID(control));
        control = GetNextDlgTabItem(window, control, FALSE);
        if (control == first)
            break;
    }
    return ids;
}

} // namespace swtest
