// The placement dialog shows the stored box (inches) in the unit selected when
// it opens and stores what is typed in the unit selected at "&Return", so the
// settings file and the library always hold inches. Switching the unit writes
// the choice at once but leaves the numbers shown as they are. A measure that
// is not a number, is negative or would put the box beyond the printer's page
// is refused with a message that names its field, and keeps its stored value.
#include "settings/bitmap_placement_dialog.h"

#include "common/dialog_controls.h"
#include "common/dialog_skeleton.h"
#include "resources/resource.h"
#include "settings/bitmap_placement.h"
#include "settings/bitmap_units.h"
#include "settings/placement_check.h"
#include "settings/printer_page.h"
#include "settings/setting_names.h"
#include "settings/setting_numbers.h"
#include "settings/settings_store.h"

#include <windows.h>

#include <array>
#include <string_view>

namespace sw {
namespace {

constexpr std::size_t kTextLimit = 254;

// The edits and their labels in the order left, top, width, height.
const int kMeasureEdits[4] = {IDC_BMP_LEFT, IDC_BMP_TOP, IDC_BMP_WIDTH, IDC_BMP_HEIGHT};
const int kMeasureLabels[4] = {IDC_BMP_LEFT_LABEL, IDC_BMP_TOP_LABEL, IDC_BMP_WIDTH_LABEL,
                               IDC_BMP_HEIGHT_LABEL};

struct PlacementDialogData {
    std::string printer; // whose page the box must stay on; may be empty
};

void ShowMeasure(HWND dialog, int id, double storedInches, PlacementUnit unit) {
    SetDlgItemTextA(dialog, id, FormatSettingNumber(ShownMeasure(storedInches, unit)).c_str());
}

PlacementUnit SelectedUnit(HWND dialog) {
    return IsDlgButtonChecked(dialog, IDC_BMP_CENTIMETERS) == BST_CHECKED
               ? PlacementUnit::Centimeters
               : PlacementUnit::Inches;
}

void OnInitDialog(HWND dialog, PlacementDialogData*) {
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

void OnUseSaved(HWND dialog, PlacementDialogData*) {
    PairClicked(dialog, IDC_BMP_USE_SAVED, IDC_BMP_ASK, IDC_BMP_USE_SAVED, kUseSavedKey);
}

void OnAsk(HWND dialog, PlacementDialogData*) {
    PairClicked(dialog, IDC_BMP_ASK, IDC_BMP_USE_SAVED, IDC_BMP_USE_SAVED, kUseSavedKey);
}

void OnInches(HWND dialog, PlacementDialogData*) {
    PairClicked(dialog, IDC_BMP_INCHES, IDC_BMP_CENTIMETERS, IDC_BMP_INCHES, kInchesKey);
}

void OnCentimeters(HWND dialog, PlacementDialogData*) {
    PairClicked(dialog, IDC_BMP_CENTIMETERS, IDC_BMP_INCHES, IDC_BMP_INCHES, kInchesKey);
}

// The field's label without its colon, as the message names it.
std::string FieldName(HWND dialog, int label) {
    std::string name = ControlText(dialog, label, kTextLimit);
    if (!name.empty() && name.back() == ':')
        name.pop_back();
    return name;
}

std::string ProblemText(const PlacementCheck& check, std::size_t measure, PlacementUnit unit) {
    switch (check.problems[measure]) {
    case MeasureProblem::NotANumber:
        return ResourceString(IDS_BMP_NOT_A_NUMBER);
    case MeasureProblem::Negative:
        return ResourceString(IDS_BMP_NEGATIVE);
    case MeasureProblem::BeyondPage:
        break;
    case MeasureProblem::None:
        return {};
    }
    const UINT most =
        unit == PlacementUnit::Centimeters ? IDS_BMP_AT_MOST_CM : IDS_BMP_AT_MOST_INCHES;
    return ResourceString(IDS_BMP_BEYOND_PAGE) + ' ' +
           FormatSettingNumber(ShownMeasure(check.largest[measure], unit)) + ' ' +
           ResourceString(most) + '.';
}

// One line for each refused measure: its field, what was typed and why.
void ShowRefusals(HWND dialog, const PlacementCheck& check, const std::array<std::string, 4>& typed,
                  PlacementUnit unit) {
    std::string message;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        if (check.problems[i] == MeasureProblem::None)
            continue;
        message += FieldName(dialog, kMeasureLabels[i]) + ": \"" + typed[i] + "\" " +
                   ProblemText(check, i, unit) + "\r\n";
    }
    if (message.empty())
        return;
    message += ResourceString(IDS_BMP_VALUE_KEPT);
    MessageBoxA(dialog, message.c_str(), ResourceString(IDS_CHANGE_IGNORED).c_str(), MB_OK);
}

void OnReturn(HWND dialog, PlacementDialogData* data) {
    const PlacementUnit unit = SelectedUnit(dialog);
    std::array<std::string, 4> typed;
    for (std::size_t i = 0; i < typed.size(); ++i)
        typed[i] = ControlText(dialog, kMeasureEdits[i], kTextLimit);
    const BitmapPlacement stored = ReadBitmapPlacement();
    const PlacementCheck check =
        CheckTypedPlacement(typed, unit, {stored.left, stored.top, stored.width, stored.height},
                            PrinterPageSize(data->printer));
    ShowRefusals(dialog, check, typed, unit);
    // A refused measure's key is left as it is.
    const std::string_view keys[4] = {kLeftKey, kTopKey, kWidthKey, kHeightKey};
    for (std::size_t i = 0; i < typed.size(); ++i) {
        if (check.problems[i] == MeasureProblem::None)
            WriteSettingNumber(SettingsFilePath(), kBitmapSection, keys[i], check.box[i]);
    }
    EndDialog(dialog, IDC_BMP_RETURN);
}

} // namespace

void ShowBitmapPlacementDialog(HWND owner, const std::string& printer) {
    const DialogRules<PlacementDialogData> rules{OnInitDialog,
                                                 {{IDC_BMP_USE_SAVED, OnUseSaved},
                                                  {IDC_BMP_ASK, OnAsk},
                                                  {IDC_BMP_INCHES, OnInches},
                                                  {IDC_BMP_CENTIMETERS, OnCentimeters},
                                                  {IDC_BMP_RETURN, OnReturn}}};
    PlacementDialogData data{printer};
    ShowDialog(owner, IDD_BMPSET, rules, &data);
}

} // namespace sw
