#include "info/about_box.h"

#include "common/dialog_controls.h"
#include "info/system_info.h"
#include "info/web_addresses.h"
#include "info/web_links.h"
#include "resources/resource.h"

namespace sw {
namespace {

INT_PTR CALLBACK AboutBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        AttachDialogData(dialog, reinterpret_cast<void*>(lParam));
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_ABOUT_SYSTEM_INFO:
            ShowSystemInfo();
            break;
        case IDC_ABOUT_ORDER:
            OpenWebLink(kMakerOrderPage, *DialogData<DialUpState>(dialog));
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

INT_PTR RunAboutBox(HWND owner, DialUpState& dialUp) {
    return DialogBoxParamA(GetModuleHandleA(nullptr), IDD_ABOUT, owner, AboutBoxProc,
                           reinterpret_cast<LPARAM>(&dialUp));
}

void ShowAboutBox(HWND owner, DialUpState& dialUp) {
    RunAboutBox(owner, dialUp);
}

} // namespace sw
