// The programs' manifest and what it brings: today's common controls, the
// UTF-8 code page, and a window laid out for the screen's scale, with
// nothing clipped or overlapping at 100 % and 150 % (96 and 144 dots per
// inch).
#include "resources/resource.h"
#include "support/program_driver.h"
#include "support/registry_text.h"
#include "support/settings_file.h"
#include "support/temp_files.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using swtest::RunningProgram;

// The manifest resource of a program file.
std::string ManifestOf(const std::string& program) {
    HMODULE module = LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr)
        return std::string();
    std::string text;
    if (HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24))) {
        HGLOBAL loaded = LoadResource(module, found);
        const char* bytes = static_cast<const char*>(LockResource(loaded));
        if (bytes != nullptr)
            text.assign(bytes, SizeofResource(module, found));
    }
    FreeLibrary(module);
    return text;
}

TEST(Manifest, BothProgramsCarryIt) {
    const std::string folder = swtest::ProgramFromEnvironment("SW_SWUTIL");
    const std::string companion = folder.substr(0, folder.find_last_of('\\') + 1) + "Remsw.exe";
    for (const std::string& program : {folder, companion}) {
        const std::string manifest = ManifestOf(program);
        ASSERT_FALSE(manifest.empty()) << program << " has no manifest";
        for (const char* part : {"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
                                 "<dpiAware", "<longPathAware", ">UTF-8</activeCodePage>",
                                 "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // Windows 7
                                 "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  // Windows 8
                                 "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  // Windows 8.1
                                 "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}) // Windows 10 and 11
            EXPECT_NE(manifest.find(part), std::string::npos) << program << ": " << part;
        // No execution level: file virtualization keeps a standard user's
        // settings file in the Windows folder working.
        EXPECT_EQ(manifest.find("requestedExecutionLevel"), std::string::npos) << program;
    }
}

// The screen's scale for the programs started while it lives.
class ScreenScale {
  public:
    explicit ScreenScale(DWORD dotsPerInch) { Set(dotsPerInch); }
    ~ScreenScale() { Set(96); }

  private:
    static void Set(DWORD dotsPerInch) {
        HKEY key = nullptr;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0,
                            KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
            return;
        RegSetValueExA(key, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dotsPerInch),
                       sizeof(dotsPerInch));
        RegCloseKey(key);
    }
};

RECT ScreenRect(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool Overlap(const RECT& a, const RECT& b) {
    RECT both = {};
    return IntersectRect(&both, &a, &b) != FALSE;
}

// The visible children of a dialog lie inside its client area, and none but
// group boxes (which frame others) overlap another.
void ExpectLaidOutCleanly(HWND dialog, const std::string& name) {
    RECT client = {};
    GetClientRect(dialog, &client);
    MapWindowPoints(dialog, nullptr, reinterpret_cast<POINT*>(&client), 2);
    std::vector<std::pair<HWND, RECT>> children;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child))
            continue;
        const RECT rect = ScreenRect(child);
        EXPECT_TRUE(Inside(rect, client))
            << name << ": control " << GetDlgCtrlID(child) << " reaches out of the dialog";
        char kind[32] = {};
        GetClassNameA(child, kind, sizeof(kind));
        const LONG_PTR style = GetWindowLongPtrA(child, GWL_STYLE);
        if (lstrcmpiA(kind, "Button") == 0 && (style & 0x0F) == BS_GROUPBOX)
            continue;
        children.emplace_back(child, rect);
    }
    for (std::size_t a = 0; a < children.size(); ++a)
        for (std::size_t b = a + 1; b < children.size(); ++b)
            EXPECT_FALSE(Overlap(children[a].second, children[b].second))
                << name << ": controls " << GetDlgCtrlID(children[a].first) << " and "
                << GetDlgCtrlID(children[b].first) << " overlap";
}

struct DialogCommand {
    int command;
    const char* caption;
};

class ScaledWindow : public swtest::SettingsFileTest, public testing::WithParamInterface<DWORD> {};

TEST_P(ScaledWindow, NothingIsClippedOrOverlapping) {
    const DWORD dotsPerInch = GetParam();
    ScreenScale scale(dotsPerInch);
    RunningProgram program(swtest::ProgramFromEnvironment("SW_SWUTIL"), "");
    HWND window = program.WaitForWindow("SpoolwrightFarreach");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(swtest::WaitFor([&] { return IsWindowVisible(window) != FALSE; }));

    HWND toolBar = GetDlgItem(window, IDC_MAIN_TOOLBAR);
    const RECT frame = ScreenRect(window);
    EXPECT_EQ(frame.right - frame.left, MulDiv(495, static_cast<int>(dotsPerInch), 96));
    EXPECT_EQ(frame.bottom - frame.top, MulDiv(330, static_cast<int>(dotsPerInch), 96));
    // The images grow with the scale.
    const LRESULT buttonSize = SendMessageA(toolBar, TB_GETBUTTONSIZE, 0, 0);
    EXPECT_GE(LOWORD(buttonSize), MulDiv(24, static_cast<int>(dotsPerInch), 96));
    EXPECT_GE(HIWORD(buttonSize), MulDiv(24, static_cast<int>(dotsPerInch), 96));

    // The indicator is right of the last button and inside the tool bar,
    // which lies above the printer list; the status bar below it.
    HWND indicator = GetDlgItem(toolBar, IDC_MAIN_INDICATOR);
    const RECT indicatorRect = ScreenRect(indicator);
    const RECT toolBarRect = ScreenRect(toolBar);
    const int buttons = static_cast<int>(SendMessageA(toolBar, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < buttons; ++i) {
        RECT button = {};
        SendMessageA(toolBar, TB_GETITEMRECT, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&button));
        MapWindowPoints(toolBar, nullptr, reinterpret_cast<POINT*>(&button), 2);
        EXPECT_FALSE(Overlap(button, indicatorRect)) << "button " << i << " under the indicator";
    }
    EXPECT_TRUE(Inside(indicatorRect, toolBarRect)) << "the indicator is clipped";
    const RECT listRect = ScreenRect(GetDlgItem(window, IDC_MAIN_PRINTERS));
    const RECT statusRect = ScreenRect(GetDlgItem(window, IDC_MAIN_STATUS));
    EXPECT_FALSE(Overlap(listRect, toolBarRect)) << "the list runs under the tool bar";
    EXPECT_FALSE(Overlap(listRect, statusRect)) << "the list runs under the status bar";

    // The settings dialogs of the printer selected in the list, and the others.
    const DialogCommand dialogs[] = {
        {IDM_BYPASS_EXCEPTIONS, "Do not bypass driver when the filename is like..."},
        {IDM_AUTO_FORMFEED, "Auto Formfeed Option"},
        {IDM_ORIENTATION, "Orientation"},
        {IDM_BITMAP, "Bitmap printing"},
        {IDM_SCHEDULE, "Schedule unattended printing"},
        {IDM_ABOUT, "About Spoolwright"},
    };
    for (const DialogCommand& entry : dialogs) {
        swtest::PostCommand(window, entry.command);
        HWND dialog = program.WaitForDialog(entry.caption, 5000);
        if (dialog == nullptr) {
            ADD_FAILURE() << "no dialog \"" << entry.caption << "\"";
            continue;
        }
        Sleep(300);
        ExpectLaidOutCleanly(dialog, entry.caption);
        PostMessageA(dialog, WM_CLOSE, 0, 0);
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(swtest::WaitFor([&] { return !IsWindow(dialog); }, 5000)) << entry.caption;
    }
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0u);
}

INSTANTIATE_TEST_SUITE_P(AtOneAndAHalfAndOne, ScaledWindow, testing::Values(96u, 144u),
                         [](const testing::TestParamInfo<DWORD>& info) {
                             return info.param == 96 ? std::string("Percent100")
                                                     : std::string("Percent150");
                         });

} // namespace
