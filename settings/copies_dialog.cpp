#include "settings/copies_dialog.h"

#include "common/dialog_controls.h"
#include "common/dialog_skeleton.h"
#include "resources/resource.h"
#include "settings/copies_dialog_rules.h"
#include "settings/setting_names.h"
#include "settings/setting_numbers.h"
#include "settings/settings_store.h"

namespace sw {
namespace {

constexpr std::size_t kTextLimit = 254;
// The count takes four digits: at most kMostCopies.
constexpr WPARAM kCountDigits = 4;

struct CopiesDialogData {
    std::string file;
    std::string printer;
    RememberedCopiesSetting remembered; // the result of a save
};

std::int32_t StoredCount(const std::string& section) {
    return RoundToInt32(ReadSettingNumber(SettingsFilePath(), section, kCopiesKey));
}

int ScopeButton(CopiesScope scope) {
    switch (scope) {
    case CopiesScope::FileOnly:
        return IDC_COPIES_FILE_ONLY;
    case CopiesScope::PrinterOnly:
        return IDC_COPIES_PRINTER_ONLY;
    case CopiesScope::Both:
        break;
    }
    return IDC_COPIES_BOTH;
}

const int kScopeButtons[] = {IDC_COPIES_FILE_ONLY, IDC_COPIES_PRINTER_ONLY, IDC_COPIES_BOTH};

// Each radio button is a group of its own, so the dialog keeps them exclusive.
void CheckOnlyScope(HWND dialog, int button) {
    for (int id : kScopeButtons)
        CheckDlgButton(dialog, id, id == button ? BST_CHECKED : BST_UNCHECKED);
}

CopiesScope CheckedScope(HWND dialog) {
    if (IsDlgButtonChecked(dialog, IDC_COPIES_BOTH) == BST_CHECKED)
        return CopiesScope::Both;
    if (IsDlgButtonChecked(dialog, IDC_COPIES_FILE_ONLY) == BST_CHECKED)
        return CopiesScope::FileOnly;
    return CopiesScope::PrinterOnly;
}

void OnInitDialog(HWND dialog, CopiesDialogData* data) {
    std::string shownFile = data->file.substr(0, kTextLimit);
    std::int32_t fileCount = StoredCount(FileCopiesSection(shownFile));
    if (fileCount == 0) {
        const std::string pattern = FolderPattern(shownFile);
        fileCount = StoredCount(FileCopiesSection(pattern));
        if (fileCount > 0)
            shownFile = pattern;
    }
    const std::string printer = data->printer.substr(0, kTextLimit);
    const std::int32_t printerCount = StoredCount(PrinterCopiesSection(printer));

    const CopiesDialogStart start = ChooseCopiesDialogStart(fileCount, printerCount);
    SetDlgItemTextA(dialog, IDC_COPIES_FILE, shownFile.c_str());
    SetDlgItemTextA(dialog, IDC_COPIES_PRINTER, printer.c_str());
    CheckOnlyScope(dialog, ScopeButton(start.scope));
    CheckDlgButton(dialog, IDC_COPIES_STORE, start.store ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_COPIES_FOLDER, BST_UNCHECKED);
    SendDlgItemMessageA(dialog, IDC_COPIES_COUNT, EM_LIMITTEXT, kCountDigits, 0);
    SetDlgItemTextA(dialog, IDC_COPIES_COUNT, FormatSettingNumber(start.count).c_str());
}

// Each scope button is a group of its own, so a click checks it alone.
template <int button> void OnScope(HWND dialog, CopiesDialogData*) {
    if (IsDlgButtonChecked(dialog, button) == BST_CHECKED)
        CheckOnlyScope(dialog, button);
}

void OnSave(HWND dialog, CopiesDialogData* data) {
    CopiesDialogChoice choice;
    choice.file = ControlText(dialog, IDC_COPIES_FILE, kTextLimit);
    choice.printer = ControlText(dialog, IDC_COPIES_PRINTER, kTextLimit);
    choice.count =
        RoundToInt32(ParseSettingNumber(ControlText(dialog, IDC_COPIES_COUNT, kTextLimit)));
    choice.scope = CheckedScope(dialog);
    choice.folder = IsDlgButtonChecked(dialog, IDC_COPIES_FOLDER) == BST_CHECKED;
    choice.store = IsDlgButtonChecked(dialog, IDC_COPIES_STORE) == BST_CHECKED;

    const CopiesSavePlan plan = PlanCopiesSave(choice);
    const std::string settingsFile = SettingsFilePath();
    for (const std::string& section : plan.sectionsToClear)
        ClearSettingsSection(settingsFile, section);
    for (const std::string& section : plan.sectionsToWrite)
        WriteSettingNumber(settingsFile, section, kCopiesKey, plan.remembered.count);
    data->remembered = plan.remembered;
    EndDialog(dialog, IDC_COPIES_SAVE);
}

} // namespace

bool ShowCopiesDialog(HWND owner, const std::string& file, const std::string& printer,
                      RememberedCopiesSetting& remembered) {
    const DialogRules<CopiesDialogData> rules{
        OnInitDialog,
        {{IDC_COPIES_FILE_ONLY, OnScope<IDC_COPIES_FILE_ONLY>},
         {IDC_COPIES_PRINTER_ONLY, OnScope<IDC_COPIES_PRINTER_ONLY>},
         {IDC_COPIES_BOTH, OnScope<IDC_COPIES_BOTH>},
         {IDC_COPIES_SAVE, OnSave}}};
    CopiesDialogData data{file, printer, remembered};
    if (ShowDialog(owner, IDD_COPIES, rules, &data) != IDC_COPIES_SAVE)
        return false;
    remembered = data.remembered;
    return true;
}

} // namespace sw
