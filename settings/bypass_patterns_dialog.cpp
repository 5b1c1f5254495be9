#include "settings/bypass_patterns_dialog.h"

#include "common/control_helpers.h"
#include "common/dialog_controls.h"
#include "common/dialog_skeleton.h"
#include "resources/resource.h"
#include "settings/bypass_exceptions.h"

#include <string>
#include <vector>

namespace sw {
namespace {

// The keys the list filled when the dialog last opened, or since: a shorter
// list saved later empties them. Kept while the program runs.
int patternKeys = 0;

HWND PatternList(HWND dialog) {
    return GetDlgItem(dialog, IDC_WORD_PATTERNS);
}

void AddToList(HWND dialog, const std::string& pattern) {
    SendMessageA(PatternList(dialog), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pattern.c_str()));
}

void OnInitDialog(HWND dialog, void*) {
    const std::vector<std::string> patterns = ReadBypassPatterns();
    for (const std::string& pattern : patterns)
        AddToList(dialog, pattern);
    patternKeys = static_cast<int>(patterns.size());
    SendDlgItemMessageA(dialog, IDC_WORD_PATTERN, EM_LIMITTEXT, kPatternLimit, 0);
}

void OnAdd(HWND dialog, void*) {
    const std::string pattern = ControlText(dialog, IDC_WORD_PATTERN, kPatternLimit);
    if (pattern.empty())
        return;
    AddToList(dialog, pattern);
    SetDlgItemTextA(dialog, IDC_WORD_PATTERN, "");
}

void OnDelete(HWND dialog, void*) {
    HWND list = PatternList(dialog);
    const LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR || ListBoxText(list, static_cast<int>(selected)).empty())
        return;
    SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(selected), 0);
}

void OnSaveAndClose(HWND dialog, void*) {
    HWND list = PatternList(dialog);
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    std::vector<std::string> patterns;
    for (int index = 0; index < count; ++index)
        patterns.push_back(ListBoxText(list, index));
    patternKeys = SaveBypassPatterns(patterns, patternKeys);
    EndDialog(dialog, IDC_WORD_EXIT);
}

} // namespace

int BypassPatternKeys() {
    return patternKeys;
}

void ShowBypassPatternsDialog(HWND owner) {
    // Cancelling stores the list too.
    const DialogRules<void> rules{OnInitDialog,
                                  {{IDC_WORD_ADD, OnAdd},
                                   {IDC_WORD_DELETE, OnDelete},
                                   {IDC_WORD_EXIT, OnSaveAndClose},
                                   {IDCANCEL, OnSaveAndClose}}};
    ShowDialog(owner, IDD_WORD, rules, nullptr);
}

} // namespace sw
