#include "settings/formfeed_dialog.h"

#include "common/dialog_controls.h"
#include "resources/resource.h"
#include "settings/setting_names.h"
#include "settings/setting_numbers.h"
#include "settings/settings_store.h"

namespace sw {
namespace {

constexpr std::size_t kValueLimit = 79;

struct FormfeedDialogData {
    std::string printer;
};

void OnInitDialog(HWND dialog, const FormfeedDialogData* data) {
    SetDlgItemTextA(dialog, IDC_FEED_PRINTER, data->printer.c_str());
    const std::string value =
        ReadSetting(SettingsFilePath(), kAutoFormfeedSection, data->printer).substr(0, kValueLimit);
    // The print paths take any non-zero number as on, so the box shows it as on
    // too; otherwise a hand-written "-1" would be saved back as "0".
    const bool on = !value.empty() && RoundToInt16(ParseSettingNumber(value)) != 0;
    CheckDlgButton(dialog, IDC_FEED_ON, on ? BST_CHECKED : BST_UNCHECKED);
}

void OnSaveAndClose(HWND dialog, const FormfeedDialogData* data) {
    const bool on = IsDlgButtonChecked(dialog, IDC_FEED_ON) == BST_CHECKED;
    WriteSetting(SettingsFilePath(), kAutoFormfeedSection, data->printer, on ? "1" : "0");
    EndDialog(dialog, IDC_FEED_RETURN);
}

INT_PTR CALLBACK FormfeedDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        AttachDialogData(dialog, reinterpret_cast<void*>(lParam));
        OnInitDialog(dialog, reinterpret_cast<FormfeedDialogData*>(lParam));
        return TRUE;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return EditableControlColors(message, wParam);
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_FEED_RETURN:
            OnSaveAndClose(dialog, DialogData<FormfeedDialogData>(dialog));
            break;
        case IDCANCEL:
            OnSaveAndClose(dialog, DialogData<FormfeedDialogData>(dialog));
            break;
        }
        return TRUE;
    }
    return FALSE;
}

} // namespace

void ShowAutoFormfeedDialog(HWND owner, const std::string& printer) {
    FormfeedDialogData data{printer};
    DialogBoxParamA(GetModuleHandleA(nullptr), IDD_FEED, owner, FormfeedDialogProc,
                    reinterpret_cast<LPARAM>(&data));
}

} // namespace sw
