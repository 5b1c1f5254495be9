// The part every modal dialog of the program shares, so that each dialog
// keeps only its own rules: the skeleton attaches the dialog's in/out data
// (DWLP_USER), colours its edits and list boxes blue on white, dispatches
// WM_COMMAND through the dialog's table of commands and closes on IDCANCEL
// (Escape and the close box) unless the table handles it.
#pragma once

#include "common/dialog_template.h"

#include <windows.h>

#include <vector>

namespace sw {

// What sets one dialog apart. `Data` is its in/out data (void for none).
template <typename Data> struct DialogRules {
    using DataPointer = Data*;
    using Handler = void (*)(HWND dialog, Data* data);
    struct Command {
        int id;
        Handler handler;
    };

    Handler init = nullptr;
    // Without an IDCANCEL row, IDCANCEL ends the dialog with IDCANCEL.
    std::vector<Command> commands;
    bool colourEditables = true;
    // The init handler sets the focus itself.
    bool initSetsFocus = false;
    void (*notify)(HWND dialog, Data* data, const NMHDR* header) = nullptr;
};

namespace skeleton {

// What the typed procedure leaves to the untyped one.
void Attach(HWND dialog, LPARAM start);
const void* AttachedRules(HWND dialog);
void* AttachedData(HWND dialog);
INT_PTR Colours(bool colour, UINT message, WPARAM wParam);
INT_PTR Run(HWND owner, const char* resource, const DLGTEMPLATE* form, DLGPROC procedure,
            const void* rules, void* data);

template <typename Data>
INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG)
        Attach(dialog, lParam);
    const auto* rules = static_cast<const DialogRules<Data>*>(AttachedRules(dialog));
    if (rules == nullptr) // the messages before WM_INITDIALOG
        return FALSE;
    Data* data = static_cast<Data*>(AttachedData(dialog));
    switch (message) {
    case WM_INITDIALOG:
        if (rules->init != nullptr)
            rules->init(dialog, data);
        return rules->initSetsFocus ? FALSE : TRUE;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return Colours(rules->colourEditables, message, wParam);
    case WM_NOTIFY:
        if (rules->notify == nullptr)
            return FALSE;
        rules->notify(dialog, data, reinterpret_cast<const NMHDR*>(lParam));
        return TRUE;
    case WM_COMMAND:
        for (const auto& command : rules->commands) {
            if (command.id == LOWORD(wParam)) {
                command.handler(dialog, data);
                return TRUE;
            }
        }
        if (LOWORD(wParam) == IDCANCEL)
            EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

} // namespace skeleton

// Shows the dialog of the program's resource `resource` modally and returns
// its end code.
template <typename Data>
INT_PTR ShowDialog(HWND owner, const char* resource, const DialogRules<Data>& rules,
                   typename DialogRules<Data>::DataPointer data) {
    return skeleton::Run(owner, resource, nullptr, skeleton::Procedure<Data>, &rules, data);
}

// The same for a dialog built at run time.
template <typename Data>
INT_PTR ShowDialog(HWND owner, const DialogTemplate& form, const DialogRules<Data>& rules,
                   typename DialogRules<Data>::DataPointer data) {
    return skeleton::Run(owner, nullptr, form.Template(), skeleton::Procedure<Data>, &rules, data);
}

} // namespace sw
