#include "shell/main_window.h"

#include "resources/resource.h"
#include "settings/association_dialog.h"
#include "settings/bitmap_placement_dialog.h"
#include "settings/bypass_patterns_dialog.h"
#include "settings/copies_dialog.h"
#include "settings/dialog_controls.h"
#include "settings/formfeed_dialog.h"
#include "settings/orientation_dialog.h"
#include "settings/setting_names.h"
#include "settings/settings_store.h"
#include "shell/program_state.h"

namespace sw {
namespace {

// The size the window opens with: height = width x 2 / 3.
constexpr int kWindowWidth = 495;
constexpr int kWindowHeight = kWindowWidth * 2 / 3;

// A printer named on the command line that is not installed is first
// associated with an installed one, which the print then goes to.
void OnPrint(HWND window) {
    if (PassedPrinter.empty())
        return;
    ShowAssociationDialog(window, PassedPrinter);
    CurrentPrinter = ReadSetting(SettingsFilePath(), kPrinterAssociationsSection, PassedPrinter);
}

void OnCopies(HWND window) {
    // Copies belong to a file: without a selected file there is nothing to set.
    if (!SelectedFile.empty())
        ShowCopiesDialog(window, SelectedFile, CurrentPrinter, RememberedCopies);
}

void OnCommand(HWND window, int command) {
    switch (command) {
    case IDM_EXIT:
        DestroyWindow(window);
        break;
    case IDM_PRINT:
        OnPrint(window);
        break;
    case IDM_BYPASS_EXCEPTIONS:
        ShowBypassPatternsDialog(window);
        break;
    case IDM_AUTO_FORMFEED:
        ShowAutoFormfeedDialog(window, CurrentPrinter);
        break;
    case IDM_ORIENTATION:
        ShowOrientationDialog(window, CurrentPrinter);
        break;
    case IDM_COPIES:
        OnCopies(window);
        break;
    case IDM_BITMAP:
        ShowBitmapPlacementDialog();
        break;
    }
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        OnCommand(window, LOWORD(wParam));
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

bool RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSA windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, IDI_PROGRAM);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = kMainWindowClass;
    return RegisterClassA(&windowClass) != 0;
}

HWND CreateMainWindow(HINSTANCE instance) {
    const std::string title = ResourceString(IDS_APP_TITLE);
    HMENU menu = LoadMenuA(instance, IDR_MAINMENU);
    HWND window =
        CreateWindowA(kMainWindowClass, title.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                      CW_USEDEFAULT, kWindowWidth, kWindowHeight, nullptr, menu, instance, nullptr);
    // The window owns its menu; without a window nobody else frees it.
    if (window == nullptr && menu != nullptr)
        DestroyMenu(menu);
    return window;
}

} // namespace sw
