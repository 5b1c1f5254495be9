#include "remote/companion/print_button.h"

namespace sw {
namespace {

constexpr char kFileProperty[] = "SpoolwrightPrintFile";
constexpr char kProcedureProperty[] = "SpoolwrightButtonProc";

LRESULT CALLBACK PrintButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    auto original = reinterpret_cast<WNDPROC>(GetPropA(button, kProcedureProperty));
    switch (message) {
    case WM_SETTEXT: {
        // The file, kept in a heap string owned by the button.
        delete static_cast<std::string*>(RemovePropA(button, kFileProperty));
        const char* text = reinterpret_cast<const char*>(lParam);
        SetPropA(button, kFileProperty, new std::string(text != nullptr ? text : ""));
        return TRUE;
    }
    case WM_NCDESTROY:
        delete static_cast<std::string*>(RemovePropA(button, kFileProperty));
        RemovePropA(button, kProcedureProperty);
        SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        break;
    }
    return CallWindowProcA(original, button, message, wParam, lParam);
}

} // namespace

void KeepPrintButtonCaption(HWND button) {
    // The original procedure is known before the first message reaches ours.
    SetPropA(button, kProcedureProperty,
             reinterpret_cast<HANDLE>(GetWindowLongPtrA(button, GWLP_WNDPROC)));
    SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PrintButtonProc));
}

std::string PrintButtonFile(HWND button) {
    const auto* file = static_cast<const std::string*>(GetPropA(button, kFileProperty));
    return file != nullptr ? *file : std::string();
}

} // namespace sw
