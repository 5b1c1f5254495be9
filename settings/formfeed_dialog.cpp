#include "settings/formfeed_dialog.h"

#include "common/dialog_skeleton.h"
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

void OnInitDialog(HWND dialog, FormfeedDialogData* data) {
    SetDlgItemTextA(dialog, IDC_FEED_PRINTER, data->printer.c_str());
    const std::string value =
        ReadSetting(SettingsFilePath(), kAutoFormfeedSection, data->printer).substr(0, kValueLimit);
    // The print paths take any non-zero number as on, so the box shows it as on
    // too; otherwise a hand-written "-1" would be saved back as "0".
    const bool on = !value.empty() && RoundToInt16(ParseSettingNumber(value)) != 0;
    CheckDlgButton(dialog, IDC_FEED_ON, on ? BST_CHECKED : BST_UNCHECKED);
}

void OnSaveAndClose(HWND dialog, FormfeedDialogData* data) {
    const bool on = IsDlgButtonChecked(dialog, IDC_FEED_ON) == BST_CHECKED;
    WriteSetting(SettingsFilePath(), kAutoFormfeedSection, data->printer, on ? "1" : "0");
    EndDialog(dialog, IDC_FEED_RETURN);
}

} // namespace

void ShowAutoFormfeedDialog(HWND owner, const std::string& printer) {
    // Cancelling saves too.
    const DialogRules<FormfeedDialogData> rules{
        OnInitDialog, {{IDC_FEED_RETURN, OnSaveAndClose}, {IDCANCEL, OnSaveAndClose}}};
    FormfeedDialogData data{printer};
    ShowDialog(owner, IDD_FEED, rules, &data);
}

} // namespace sw
