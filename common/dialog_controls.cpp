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

std::string ResourceString(UINT id) {
    char buffer[512] = {};
    const int length = LoadStringA(GetModuleHandleA(nullptr), id, buffer, sizeof(buffer));
    return std::string(buffer, length > 0 ? length : 0);
}

} // namespace sw
