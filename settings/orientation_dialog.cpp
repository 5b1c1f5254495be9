#include "settings/orientation_dialog.h"

#include "common/dialog_controls.h"
#include "common/dialog_skeleton.h"
#include "common/message_captions.h"
#include "resources/resource.h"
#include "settings/escape_codes.h"
#include "settings/setting_names.h"
#include "settings/setting_numbers.h"
#include "settings/settings_store.h"

#include <string_view>

namespace sw {
namespace {

struct OrientationDialogData {
    std::string printer;
    std::string section; // "Printers Orientation " + printer
};

std::string StoredCodeOr(const OrientationDialogData* data, std::string_view key,
                         std::string_view fallback) {
    const std::string code =
        ReadSetting(SettingsFilePath(), data->section, key).substr(0, kEscapeCodeTextLimit);
    return code.empty() ? std::string(fallback) : code;
}

void CheckOrientation(HWND dialog, bool landscape) {
    CheckDlgButton(dialog, IDC_ORIENT_LANDSCAPE, landscape ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_ORIENT_PORTRAIT, landscape ? BST_UNCHECKED : BST_CHECKED);
}

void OnInitDialog(HWND dialog, OrientationDialogData* data) {
    SetDlgItemTextA(dialog, IDC_ORIENT_PRINTER, data->printer.c_str());
    SetDlgItemTextA(dialog, IDC_ORIENT_LANDSCAPE_CODE,
                    StoredCodeOr(data, kLandscapeCodeKey, kDefaultLandscapeCodeText).c_str());
    SetDlgItemTextA(dialog, IDC_ORIENT_PORTRAIT_CODE,
                    StoredCodeOr(data, kPortraitCodeKey, kDefaultPortraitCodeText).c_str());
    // "N", an empty value and a missing key all parse as 0: portrait.
    const std::string status = ReadSetting(SettingsFilePath(), data->section, kLandscapeStatusKey);
    CheckOrientation(dialog, RoundToInt16(ParseSettingNumber(status)) != 0);
}

void OnLandscape(HWND dialog, OrientationDialogData*) {
    if (IsDlgButtonChecked(dialog, IDC_ORIENT_LANDSCAPE) == BST_CHECKED)
        CheckDlgButton(dialog, IDC_ORIENT_PORTRAIT, BST_UNCHECKED);
}

void OnPortrait(HWND dialog, OrientationDialogData*) {
    if (IsDlgButtonChecked(dialog, IDC_ORIENT_PORTRAIT) == BST_CHECKED)
        CheckDlgButton(dialog, IDC_ORIENT_LANDSCAPE, BST_UNCHECKED);
}

void OnRestoreDefaults(HWND dialog, OrientationDialogData*) {
    SetDlgItemTextA(dialog, IDC_ORIENT_LANDSCAPE_CODE,
                    std::string(kDefaultLandscapeCodeText).c_str());
    SetDlgItemTextA(dialog, IDC_ORIENT_PORTRAIT_CODE,
                    std::string(kDefaultPortraitCodeText).c_str());
}

void OnNoOrientation(HWND dialog, OrientationDialogData* data) {
    WriteSetting(SettingsFilePath(), data->section, kLandscapeStatusKey, kNoOrientationStatus);
    EndDialog(dialog, IDC_ORIENT_NONE);
}

// Stores the code text of one edit when it is valid; otherwise says so and
// keeps the stored value.
void SaveCode(HWND dialog, const OrientationDialogData* data, int editId, std::string_view key) {
    const std::string text = ControlText(dialog, editId, kEscapeCodeTextLimit);
    const std::string trimmed = TrimTrailingSpaces(text);
    if (IsValidEscapeCodeText(trimmed)) {
        WriteSetting(SettingsFilePath(), data->section, key, text);
        return;
    }
    const std::string message = ResourceString(IDS_INVALID_ENTRY) + '\r' + trimmed;
    MessageBoxA(dialog, message.c_str(), ResourceString(IDS_CHANGE_IGNORED).c_str(), MB_OK);
}

void SaveAndClose(HWND dialog, OrientationDialogData* data) {
    SaveCode(dialog, data, IDC_ORIENT_LANDSCAPE_CODE, kLandscapeCodeKey);
    SaveCode(dialog, data, IDC_ORIENT_PORTRAIT_CODE, kPortraitCodeKey);
    const bool landscape = IsDlgButtonChecked(dialog, IDC_ORIENT_LANDSCAPE) == BST_CHECKED;
    WriteSetting(SettingsFilePath(), data->section, kLandscapeStatusKey, landscape ? "1" : "0");
    EndDialog(dialog, IDC_ORIENT_RETURN);
}

void OnReturn(HWND dialog, OrientationDialogData* data) {
    const std::string warning =
        ResourceString(IDS_ORIENTATION_WARNING) + '\r' + ResourceString(IDS_ORIENTATION_REMEDY);
    MessageBoxA(dialog, warning.c_str(), kUtilityCaption, MB_OK);
    SaveAndClose(dialog, data);
}

} // namespace

void ShowOrientationDialog(HWND owner, const std::string& printer) {
    // Escape and the close box save without the warning.
    const DialogRules<OrientationDialogData> rules{OnInitDialog,
                                                   {{IDC_ORIENT_LANDSCAPE, OnLandscape},
                                                    {IDC_ORIENT_PORTRAIT, OnPortrait},
                                                    {IDC_ORIENT_DEFAULTS, OnRestoreDefaults},
                                                    {IDC_ORIENT_NONE, OnNoOrientation},
                                                    {IDC_ORIENT_RETURN, OnReturn},
                                                    {IDCANCEL, SaveAndClose}}};
    OrientationDialogData data{printer, OrientationSection(printer)};
    ShowDialog(owner, IDD_ORIENTATION, rules, &data);
}

} // namespace sw
