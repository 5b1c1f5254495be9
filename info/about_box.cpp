#include "info/about_box.h"

#include "info/system_info.h"
#include "info/web_addresses.h"
#include "info/web_links.h"
#include "resources/resource.h"

namespace sw {
namespace {

INT_PTR CALLBACK AboutBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_ABOUT_SYSTEM_INFO:
            ShowSystemInfo();
            break;
        case IDC_ABOUT_ORDER:
            OpenWebLink(kMakerOrderPage);
            break;
        case IDOK:
            EndDialog(dialog, 1);
            break;
        case IDCANCEL:
            EndDialog(dialog, 0);
            break;
        }
        return TRUE;
    }
    return FALSE;
}

} // namespace

INT_PTR RunAboutBox(HWND owner) {
    return DialogBoxParamA(GetModuleHandleA(nullptr), IDD_ABOUT, owner, AboutBoxProc, 0);
}

void ShowAboutBox(HWND owner) {
    RunAboutBox(owner);
}

} // namespace sw
