#include "common/dialog_controls.h"

#include <vector>

namespace sw {

INT_PTR EditableControlColors(UINT message, WPARAM wParam) {
    if (message != WM_CTLCOLOREDIT && message != WM_CTLCOLORLISTBOX)
        return 0;
    HDC context = reinterpret_cast<HDC>(wParam);
    SetTextColor(context, RGB(0, 0, 255));
    SetBkColor(context, RGB(255, 255, 255));
    return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
}

std::string ControlText(HWND dialog, int id, std::size_t limit) {
    std::vector<char> buffer(limit + 1, '\0');
    const UINT length = GetDlgItemTextA(dialog, id, buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), length);
}

std::string ListBoxItemText(HWND listBox, int index) {
    const LRESULT length = SendMessageA(listBox, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR)
        return std::string();
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT copied = SendMessageA(listBox, LB_GETTEXT, static_cast<WPARAM>(index),
                                        reinterpret_cast<LPARAM>(buffer.data()));
    return copied == LB_ERR ? std::string() : std::string(buffer.data(), copied);
}

std::string ResourceString(UINT id) {
    char buffer[512] = {};
    const int length = LoadStringA(GetModuleHandleA(nullptr), id, buffer, sizeof(buffer));
    return std::string(buffer, length > 0 ? length : 0);
}

void AttachDialogData(HWND dialog, void* data) {
    SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(data));
}

} // namespace sw
