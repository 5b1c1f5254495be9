#include "shell/main_window_layout.h"

#include "common/control_helpers.h"
#include "resources/resource.h"
#include "shell/local_address.h"
#include "shell/printer_list.h"
#include "shell/program_state.h"

#include <commctrl.h>

#include <cmath>
#include <iterator>
#include <string>

namespace sw {
namespace {

constexpr int kDefaultDpi = 96;
constexpr int kToolBarImages = 21;
constexpr int kImageSize = 24;
constexpr int kListLeft = 10;
constexpr int kListTop = 40;
constexpr int kStatusFirstPartEnd = 340;

constexpr int kIndicatorLeft = 383;
constexpr int kIndicatorTop = 3;
constexpr int kIndicatorWidth = 102;
constexpr int kIndicatorHeight = 29;

// The bitmap strip's size in pixels at 96 dots per inch.
constexpr int kStripWidth = 504;
constexpr int kStripHeight = 33;

TBBUTTON Button(int image, int command) {
    TBBUTTON button = {};
    button.iBitmap = image;
    button.idCommand = command;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = TBSTYLE_BUTTON;
    return button;
}

TBBUTTON Separator() {
    TBBUTTON separator = {};
    separator.fsStyle = TBSTYLE_SEP;
    return separator;
}

void CreateToolBar(HWND window) {
    ProgramState& program = Program();
    const TBBUTTON buttons[] = {
        Button(1, IDM_SELECT),
        Separator(),
        Button(19, IDM_PRINT),
        Separator(),
        Separator(),
        Button(14, IDM_HELP),
        Button(7, IDM_WEB),
        Button(13, IDM_ABOUT),
        Separator(),
        Button(16, IDM_SCHEDULE),
        Button(8, IDM_EVENT_LOG),
        Button(9, IDM_NEXT_EVENTS),
        Button(10, IDM_UNATTENDED),
        Separator(),
        Button(11, IDM_REMOTE_SITES),
        Button(18, IDM_REFRESH),
    };
    // The images grow with the screen's scale, so that the buttons keep their
    // size beside the text of the menus and the indicator.
    program.ToolBarBitmap = static_cast<HBITMAP>(
        LoadImageA(program.ProgramInstance, IDB_TOOLBAR, IMAGE_BITMAP, ScaledForScreen(kStripWidth),
                   ScaledForScreen(kStripHeight), 0));
    const int imageSize = ScaledForScreen(kImageSize);
    program.ToolBar = CreateToolbarEx(
        window, WS_CHILD | TBSTYLE_TOOLTIPS, IDC_MAIN_TOOLBAR, kToolBarImages, nullptr,
        reinterpret_cast<UINT_PTR>(program.ToolBarBitmap), buttons,
        static_cast<int>(std::size(buttons)), 0, 0, imageSize, imageSize, sizeof(TBBUTTON));
    SendMessageA(program.ToolBar, TB_AUTOSIZE, 0, 0);
    ShowWindow(program.ToolBar, SW_SHOW);
}

void CreatePrinterList(HWND window) {
    RECT client = {};
    GetClientRect(window, &client);
    const int height = static_cast<int>(std::lround(client.bottom * 3.0 / 4.0));
    Program().PrinterListBox = CreateListBox(
        window, WS_VSCROLL | WS_TABSTOP | LBS_SORT, ScaledForScreen(kListLeft),
        ScaledForScreen(kListTop), client.right - ScaledForScreen(20), height, IDC_MAIN_PRINTERS);
    ShowWindow(Program().PrinterListBox, SW_SHOW);
    RefreshPrinterList();
}

void CreateStatusBar(HWND window) {
    ProgramState& program = Program();
    program.StatusBar = CreateStatusWindowA(WS_CHILD | WS_VISIBLE | WS_BORDER | SBARS_SIZEGRIP, "",
                                            window, IDC_MAIN_STATUS);
    const int parts[] = {ScaledForScreen(kStatusFirstPartEnd), -1};
    SendMessageA(program.StatusBar, SB_SETPARTS, std::size(parts), reinterpret_cast<LPARAM>(parts));
    const std::string address = "This IP: " + LocalIpText();
    SendMessageA(program.StatusBar, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(address.c_str()));
}

// Right of the last button, however wide the buttons are drawn.
int IndicatorLeft() {
    const int left = ScaledForScreen(kIndicatorLeft);
    const LRESULT count = SendMessageA(Program().ToolBar, TB_BUTTONCOUNT, 0, 0);
    RECT last = {};
    if (count <= 0 ||
        !SendMessageA(Program().ToolBar, TB_GETITEMRECT, static_cast<WPARAM>(count - 1),
                      reinterpret_cast<LPARAM>(&last)))
        return left;
    return last.right + 2 > left ? last.right + 2 : left;
}

// The indicator shows a state; it is read-only, since typing into it would
// show a state that is not.
void CreateIndicator() {
    ProgramState& program = Program();
    // As high as at 96 dots per inch, scaled, but never lower than the tool bar.
    RECT bar = {};
    GetClientRect(program.ToolBar, &bar);
    const int top = ScaledForScreen(kIndicatorTop);
    int height = ScaledForScreen(kIndicatorHeight);
    if (bar.bottom > top && top + height > bar.bottom)
        height = bar.bottom - top;
    program.UnattendedIndicator = CreateChildWindow(
        "Edit", "No unattended", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_CENTER | ES_READONLY,
        IndicatorLeft(), top, ScaledForScreen(kIndicatorWidth), height, program.ToolBar,
        IDC_MAIN_INDICATOR, program.ProgramInstance);
    SendMessageA(program.UnattendedIndicator, WM_SETFONT,
                 reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    ShowWindow(program.UnattendedIndicator, SW_SHOW);
}

} // namespace

int ScaledForScreen(int pixels) {
    // The program is aware of the system's scale (its manifest says so): the
    // layout's pixel sizes, given for 96 dots per inch, are scaled by it.
    static const int dotsPerInch = [] {
        HDC screen = GetDC(nullptr);
        const int dots = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSX) : kDefaultDpi;
        if (screen != nullptr)
            ReleaseDC(nullptr, screen);
        return dots > 0 ? dots : kDefaultDpi;
    }();
    return MulDiv(pixels, dotsPerInch, kDefaultDpi);
}

void CreateMainWindowChildren(HWND window) {
    InitCommonControls();
    CreateToolBar(window);
    CreatePrinterList(window);
    CreateStatusBar(window);
    CreateIndicator();
}

void OnSize(WPARAM type, LPARAM size) {
    ProgramState& program = Program();
    if (program.StatusBar != nullptr)
        SendMessageA(program.StatusBar, WM_SIZE, type, size);
    if (program.ToolBar != nullptr)
        SendMessageA(program.ToolBar, WM_SIZE, type, size);
    if (type == SIZE_MINIMIZED || program.PrinterListBox == nullptr)
        return;
    MoveWindow(program.PrinterListBox, ScaledForScreen(kListLeft), ScaledForScreen(kListTop),
               LOWORD(size) - ScaledForScreen(12), HIWORD(size) - ScaledForScreen(60), TRUE);
}

void ShowSelectedFile() {
    if (Program().StatusBar != nullptr)
        SendMessageA(Program().StatusBar, SB_SETTEXTA, 0,
                     reinterpret_cast<LPARAM>(Program().SelectedFile.c_str()));
}

void ShowUnattendedState(bool on) {
    if (Program().UnattendedIndicator != nullptr)
        SetWindowTextA(Program().UnattendedIndicator, on ? "Unattended" : "No unattended");
}

} // namespace sw
