// A test that drives the running swutil.exe's main window as a user does:
// started with a fresh settings file, its window shown, its children read
// and its printer list chosen from across the process boundary.
#pragma once

#include "resources/resource.h"
#include "support/program_driver.h"
#include "support/settings_file.h"

#include <commdlg.h>
#include <dlgs.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace swtest {

// Types the path into the Open File dialog that the program's Select shows,
// and opens it.
inline void ChooseInOpenFileDialog(const RunningProgram& program, const std::string& path) {
    HWND dialog = program.WaitForDialog("Open File");
    ASSERT_NE(dialog, nullptr) << "the Open File dialog";
    HWND name = GetDlgItem(dialog, cmb13);
    if (name == nullptr)
        name = GetDlgItem(dialog, edt1);
    SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
}

class MainWindowTest : public SettingsFileTest {
  protected:
    void SetUp() override {
        SettingsFileTest::SetUp();
        program_ = std::make_unique<RunningProgram>(ProgramFromEnvironment("SW_SWUTIL"), "");
        window_ = program_->WaitForWindow("SpoolwrightFarreach");
        ASSERT_NE(window_, nullptr);
        ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(window_) != FALSE; }));
    }
    void TearDown() override {
        program_.reset();
        SettingsFileTest::TearDown();
    }

    HWND Child(int id) const { return GetDlgItem(window_, id); }
    std::string Status(int part = 0) const { return StatusBarText(Child(IDC_MAIN_STATUS), part); }
    void SelectPrinter(const std::string& name) {
        HWND list = Child(IDC_MAIN_PRINTERS);
        const LRESULT index = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                           reinterpret_cast<LPARAM>(name.c_str()));
        ASSERT_NE(index, LB_ERR) << name;
        SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
    // True when the process shows a dialog with this caption within a while.
    bool ShowsDialog(const char* caption, DWORD timeoutMs = 1500) const {
        return program_->WaitForDialog(caption, timeoutMs) != nullptr;
    }

    std::unique_ptr<RunningProgram> program_;
    HWND window_ = nullptr;
};

} // namespace swtest
