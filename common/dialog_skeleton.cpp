#include "common/dialog_skeleton.h"

#include "common/dialog_controls.h"

namespace sw::skeleton {
namespace {

// What WM_INITDIALOG brings: the rules and the data of one showing.
struct Start {
    const void* rules;
    void* data;
};

} // namespace

// The data goes where the dialog's own code expects it (DWLP_USER), the rules
// beside it.
void Attach(HWND dialog, LPARAM start) {
    const auto* what = reinterpret_cast<const Start*>(start);
    SetWindowLongPtrA(dialog, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(what->rules));
    SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(what->data));
}

const void* AttachedRules(HWND dialog) {
    return reinterpret_cast<const void*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
}

void* AttachedData(HWND dialog) {
    return reinterpret_cast<void*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

INT_PTR Colours(bool colour, UINT message, WPARAM wParam) {
    return colour ? EditableControlColors(message, wParam) : FALSE;
}

INT_PTR Run(HWND owner, const char* resource, const DLGTEMPLATE* form, DLGPROC procedure,
            const void* rules, void* data) {
    Start start{rules, data};
    const LPARAM param = reinterpret_cast<LPARAM>(&start);
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    if (form != nullptr)
        return DialogBoxIndirectParamA(instance, form, owner, procedure, param);
    return DialogBoxParamA(instance, resource, owner, procedure, param);
}

} // namespace sw::skeleton
