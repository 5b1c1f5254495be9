#include "info/driver_download_dialog.h"

#include "common/dialog_skeleton.h"
#include "info/web_addresses.h"

#include <shellapi.h>

#include <string>

namespace sw {
namespace {

void OnInitDialog(HWND dialog, void*) {
    for (const char* maker : kDriverMakers)
        SendDlgItemMessageA(dialog, kDriverMakerList, LB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(maker));
}

// No dial-up check here, and whatever the browser does, the dialog closes.
void OnDownload(HWND dialog, void*) {
    const LRESULT selected = SendDlgItemMessageA(dialog, kDriverMakerList, LB_GETCURSEL, 0, 0);
    const std::string address(DriverDownloadAddress(static_cast<int>(selected)));
    if (selected == LB_ERR || address.empty())
        return;
    ShellExecuteA(nullptr, "open", address.c_str(), "", "", SW_SHOWNORMAL);
    EndDialog(dialog, kDriverDownload);
}

void OnExit(HWND dialog, void*) {
    EndDialog(dialog, kDriverExit);
}

} // namespace

void ShowDriverDownloadDialog(HWND owner) {
    const DialogTemplate form = ListDialogTemplate(
        {kDriverDialogCaption, kDriverMakerLabel, "Printer Manufacturer", 5, kDriverMakerList,
         ControlClass::ListBox, LBS_NOTIFY | WS_VSCROLL | WS_BORDER, 15, 44, kDriverDownload,
         "Download", kDriverExit, "Exit", 62});
    DialogRules<void> rules{OnInitDialog, {{kDriverDownload, OnDownload}, {kDriverExit, OnExit}}};
    rules.colourEditables = false;
    ShowDialog(owner, form, rules, nullptr);
}

} // namespace sw
