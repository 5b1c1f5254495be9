#include "info/driver_download_dialog.h"

#include "common/dialog_template.h"
#include "info/web_addresses.h"

#include <shellapi.h>

#include <string>

namespace sw {
namespace {

void OnInitDialog(HWND dialog) {
    for (const char* maker : kDriverMakers)
        SendDlgItemMessageA(dialog, kDriverMakerList, LB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(maker));
}

// No dial-up check here, and whatever the browser does, the dialog closes.
void OnDownload(HWND dialog) {
    const LRESULT selected = SendDlgItemMessageA(dialog, kDriverMakerList, LB_GETCURSEL, 0, 0);
    const std::string address(DriverDownloadAddress(static_cast<int>(selected)));
    if (selected == LB_ERR || address.empty())
        return;
    ShellExecuteA(nullptr, "open", address.c_str(), "", "", SW_SHOWNORMAL);
    EndDialog(dialog, kDriverDownload);
}

INT_PTR CALLBACK DriverDownloadDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(dialog);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case kDriverDownload:
            OnDownload(dialog);
            break;
        case kDriverExit:
            EndDialog(dialog, kDriverExit);
            break;
        case IDCANCEL: // the close box and Escape
            EndDialog(dialog, IDCANCEL);
            break;
        }
        return TRUE;
    }
    return FALSE;
}

} // namespace

void ShowDriverDownloadDialog(HWND owner) {
    DialogTemplate form(kDriverDialogCaption, 148, 80);
    form.AddControl(kDriverMakerLabel, ControlClass::Static, "Printer Manufacturer", SS_LEFT, 7, 5,
                    134, 8);
    form.AddControl(kDriverMakerList, ControlClass::ListBox, "",
                    LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP, 7, 15, 134, 44);
    form.AddControl(kDriverDownload, ControlClass::Button, "Download",
                    BS_DEFPUSHBUTTON | WS_TABSTOP, 20, 62, 50, 14);
    form.AddControl(kDriverExit, ControlClass::Button, "Exit", BS_PUSHBUTTON | WS_TABSTOP, 78, 62,
                    50, 14);
    DialogBoxIndirectParamA(GetModuleHandleA(nullptr), form.Template(), owner,
                            DriverDownloadDialogProc, 0);
}

} // namespace sw
