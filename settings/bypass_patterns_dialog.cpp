#include "settings/bypass_patterns_dialog.h"

#include "common/dialog_controls.h"
#include "resources/resource.h"
#include "settings/bypass_exceptions.h"

#include <string>
#include <vector>

namespace sw {
namespace {

// The patterns found when the dialog last opened: a save of a shorter list
// empties the keys up to it. Kept while the program runs.
short patternCount = 0;

HWND PatternList(HWND dialog) {
    return GetDlgItem(dialog, IDC_WORD_PATTERNS);
}

void AddToList(HWND dialog, const std::string& pattern) {
    SendMessageA(PatternList(dialog), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pattern.c_str()));
}

void OnInitDialog(HWND dialog) {
    const std::vector<std::string> patterns = ReadBypassPatterns();
    for (const std::string& pattern : patterns)
        AddToList(dialog, pattern);
    patternCount = static_cast<short>(patterns.size());
    SendDlgItemMessageA(dialog, IDC_WORD_PATTERN, EM_LIMITTEXT, kPatternLimit, 0);
}

void OnAdd(HWND dialog) {
    const std::string pattern = ControlText(dialog, IDC_WORD_PATTERN, kPatternLimit);
    if (pattern.empty())
        return;
    AddToList(dialog, pattern);
    SetDlgItemTextA(dialog, IDC_WORD_PATTERN, "");
}

void OnDelete(HWND dialog) {
    HWND list = PatternList(dialog);
    const LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR || ListBoxItemText(list, static_cast<int>(selected)).empty())
        return;
    SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(selected), 0);
}

void OnSaveAndClose(HWND dialog) {
    HWND list = PatternList(dialog);
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    std::vector<std::string> patterns;
    for (int index = 0; index < count; ++index)
        patterns.push_back(ListBoxItemText(list, index));
    SaveBypassPatterns(patterns, patternCount);
    EndDialog(dialog, IDC_WORD_EXIT);
}

INT_PTR CALLBACK BypassPatternsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(dialog);
        return TRUE;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return EditableControlColors(message, wParam);
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_WORD_ADD:
            OnAdd(dialog);
            break;
        case IDC_WORD_DELETE:
            OnDelete(dialog);
            break;
        case IDC_WORD_EXIT:
            OnSaveAndClose(dialog);
            break;
        case IDCANCEL:
            OnSaveAndClose(dialog);
            break; // Escape and the close box
        }
        return TRUE;
    }
    return FALSE;
}

} // namespace

void ShowBypassPatternsDialog(HWND owner) {
    DialogBoxParamA(GetModuleHandleA(nullptr), IDD_WORD, owner, BypassPatternsDialogProc, 0);
}

short RememberedPatternCount() {
    return patternCount;
}

} // namespace sw
