// The placement dialog shows the stored box (inches) in the unit selected when
// it opens and stores what is typed in the unit selected at "&Return", so the
// settings file and the library always hold inches. Switching the unit writes
// the choice at once but leaves the numbers shown as they are.
#include "settings/bitmap_placement_dialog.h"

#include "common/dialog_controls.h"
#include "common/dialog_skeleton.h"
#include "resources/resource.h"
#include "settings/bitmap_placement.h"
#include "settings/bitmap_units.h"
#include "settings/setting_names.h"
#include "settings/setting_numbers.h"
#include "settings/settings_store.h"

#include <windows.h>

#include <string_view>

namespace sw {
namespace {

constexpr std::size_t kTextLimit = 254;

void ShowMeasure(HWND dialog, int id, double storedInches, PlacementUnit unit) {
    SetDlgItemTextA(dialog, id, FormatSettingNumber(ShownMeasure(storedInches, unit)).c_str());
}

double TypedMeasure(HWND dialog, int id, PlacementUnit unit) {
    return StoredMeasure(ParseSettingNumber(ControlText(dialog, id, kTextLimit)), unit);
}

PlacementUnit SelectedUnit(HWND dialog) {
    return IsDlgButtonChecked(dialog, IDC_BMP_CENTIMETERS) == BST_CHECKED
               ? PlacementUnit::Centimeters
               : PlacementUnit::Inches;
}

void OnInitDialog(HWND dialog, void*) {
    const std::string file = SettingsFilePath();
    const PlacementUnit unit = PlacementUnitOf(ReadSetting(file, kBitmapSection, kInchesKey));
    const bool inches = unit == PlacementUnit::Inches;
    CheckDlgButton(dialog, IDC_BMP_INCHES, inches ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_BMP_CENTIMETERS, inches ? BST_UNCHECKED : BST_CHECKED);

    const bool ask = AsksForPlacement(ReadSetting(file, kBitmapSection, kUseSavedKey));
    CheckDlgButton(dialog, IDC_BMP_USE_SAVED, ask ? BST_UNCHECKED : BST_CHECKED);
    CheckDlgButton(dialog, IDC_BMP_ASK, ask ? BST_CHECKED : BST_UNCHECKED);

    const BitmapPlacement box = ReadBitmapPlacement();
    ShowMeasure(dialog, IDC_BMP_LEFT, box.left, unit);
    ShowMeasure(dialog, IDC_BMP_TOP, box.top, unit);
    ShowMeasure(dialog, IDC_BMP_WIDTH, box.width, unit);
    ShowMeasure(dialog, IDC_BMP_HEIGHT, box.height, unit);
}

// One of a pair of radio buttons was clicked: the partner takes the opposite
// state, and the choice is written at once as "-1" when `first` ends up
// checked, "0" otherwise.
void PairClicked(HWND dialog, int clicked, int partner, int first, std::string_view key) {
    const bool checked = IsDlgButtonChecked(dialog, clicked) == BST_CHECKED;
    CheckDlgButton(dialog, partner, checked ? BST_UNCHECKED : BST_CHECKED);
    const bool firstChecked = IsDlgButtonChecked(dialog, first) == BST_CHECKED;
    WriteSetting(SettingsFilePath(), kBitmapSection, key, firstChecked ? "-1" : "0");
}

void OnUseSaved(HWND dialog, void*) {
    PairClicked(dialog, IDC_BMP_USE_SAVED, IDC_BMP_ASK, IDC_BMP_USE_SAVED, kUseSavedKey);
}

void OnAsk(HWND dialog, void*) {
    PairClicked(dialog, IDC_BMP_ASK, IDC_BMP_USE_SAVED, IDC_BMP_USE_SAVED, kUseSavedKey);
}

void OnInches(HWND dialog, void*) {
    PairClicked(dialog, IDC_BMP_INCHES, IDC_BMP_CENTIMETERS, IDC_BMP_INCHES, kInchesKey);
}

void OnCentimeters(HWND dialog, void*) {
    PairClicked(dialog, IDC_BMP_CENTIMETERS, IDC_BMP_INCHES, IDC_BMP_INCHES, kInchesKey);
}

void OnReturn(HWND dialog, void*) {
    const PlacementUnit unit = SelectedUnit(dialog);
    BitmapPlacement box;
    box.left = TypedMeasure(dialog, IDC_BMP_LEFT, unit);
    box.top = TypedMeasure(dialog, IDC_BMP_TOP, unit);
    box.width = TypedMeasure(dialog, IDC_BMP_WIDTH, unit);
    box.height = TypedMeasure(dialog, IDC_BMP_HEIGHT, unit);
    WriteBitmapPlacement(box);
    EndDialog(dialog, IDC_BMP_RETURN);
}

} // namespace

void ShowBitmapPlacementDialog(HWND owner) {
    const DialogRules<void> rules{OnInitDialog,
                                  {{IDC_BMP_USE_SAVED, OnUseSaved},
                                   {IDC_BMP_ASK, OnAsk},
                                   {IDC_BMP_INCHES, OnInches},
                                   {IDC_BMP_CENTIMETERS, OnCentimeters},
                                   {IDC_BMP_RETURN, OnReturn}}};
    ShowDialog(owner, IDD_BMPSET, rules, nullptr);
}

} // namespace sw
