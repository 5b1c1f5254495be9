#include "settings/copies_dialog.h"

#include "common/dialog_controls.h"
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

void OnInitDialog(HWND dialog, const CopiesDialogData* data) {
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

void OnScope(HWND dialog, int button) {
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

void OnClose(HWND dialog) {
    EndDialog(dialog, IDCANCEL);
}

INT_PTR CALLBACK CopiesDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        AttachDialogData(dialog, reinterpret_cast<void*>(lParam));
        OnInitDialog(dialog, reinterpret_cast<CopiesDialogData*>(lParam));
        return TRUE;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return EditableControlColors(message, wParam);
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_COPIES_FILE_ONLY:
            OnScope(dialog, IDC_COPIES_FILE_ONLY);
            break;
        case IDC_COPIES_PRINTER_ONLY:
            OnScope(dialog, IDC_COPIES_PRINTER_ONLY);
            break;
        case IDC_COPIES_BOTH:
            OnScope(dialog, IDC_COPIES_BOTH);
            break;
        case IDC_COPIES_SAVE:
            OnSave(dialog, DialogData<CopiesDialogData>(dialog));
            break;
        case IDCANCEL:
            OnClose(dialog);
            break; // Escape and the close box
        }
        return TRUE;
    }
    return FALSE;
}

} // namespace

bool ShowCopiesDialog(HWND owner, const std::string& file, const std::string& printer,
                      RememberedCopiesSetting& remembered) {
    CopiesDialogData data{file, printer, remembered};
    const INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), IDD_COPIES, owner,
                                           CopiesDialogProc, reinterpret_cast<LPARAM>(&data));
    if (result != IDC_COPIES_SAVE)
        return false;
    remembered = data.remembered;
    return true;
}

} // namespace sw
