#include "common/control_helpers.h"

#include <vector>

namespace sw {
namespace {

bool AllowsSeveralSelections(HWND list) {
    return (GetWindowLongA(list, GWL_STYLE) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
}

HWND CreateControl(const char* windowClass, HWND parent, DWORD style, int x, int y, int width,
                   int height, int id) {
    if (parent != nullptr)
        style |= WS_CHILD | WS_VISIBLE;
    const HINSTANCE instance =
        parent != nullptr ? reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE))
                          : GetModuleHandleA(nullptr);
    return CreateChildWindow(windowClass, "", style, x, y, width, height, parent, id, instance);
}

} // namespace

HWND CreateChildWindow(const char* windowClass, const char* title, DWORD style, int x, int y,
                       int width, int height, HWND parent, int id, HINSTANCE instance) {
    return CreateWindowExA(0, windowClass, title, style, x, y, width, height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

HWND CreateListBox(HWND parent, DWORD style, int x, int y, int width, int height, int id) {
    return CreateControl("ListBox", parent, style, x, y, width, height, id);
}

HWND CreateEditControl(HWND parent, DWORD style, int x, int y, int width, int height, int id) {
    return CreateControl("Edit", parent, style, x, y, width, height, id);
}

void ClearListBox(HWND list) {
    if (list != nullptr)
        SendMessageA(list, LB_RESETCONTENT, 0, 0);
}

int ListBoxCount(HWND list) {
    if (list == nullptr)
        return 0;
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    return count == LB_ERR ? 0 : static_cast<int>(count);
}

void AddListBoxText(HWND list, const std::string& text) {
    if (list != nullptr)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string ListBoxText(HWND list, int index) {
    if (list == nullptr)
        return std::string();
    if (index < 0) {
        const UINT request = AllowsSeveralSelections(list) ? LB_GETCARETINDEX : LB_GETCURSEL;
        index = static_cast<int>(SendMessageA(list, request, 0, 0));
        if (index < 0)
            return std::string();
    }
    // Asked in UTF-16: a list box of another process answers an ANSI request
    // with UTF-16 under some systems, which would overflow an ANSI buffer.
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR || length < 0)
        return std::string();
    std::vector<wchar_t> wide(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index),
                                        reinterpret_cast<LPARAM>(wide.data()));
    if (copied == LB_ERR || copied <= 0)
        return std::string();
    const int wideLength = static_cast<int>(copied < length ? copied : length);
    std::vector<char> text(static_cast<std::size_t>(wideLength) * 2 + 1, '\0');
    const int converted = WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, text.data(),
                                              static_cast<int>(text.size()), nullptr, nullptr);
    std::string result(text.data(), converted > 0 ? static_cast<std::size_t>(converted) : 0);
    return result.substr(0, kListItemTextLimit);
}

int FindListBoxTextExact(HWND list, int start, const std::string& text) {
    if (list == nullptr)
        return LB_ERR;
    return static_cast<int>(SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(start),
                                         reinterpret_cast<LPARAM>(text.c_str())));
}

void SelectListBoxItem(HWND list, int index) {
    if (list == nullptr)
        return;
    if (AllowsSeveralSelections(list)) {
        if (index >= 0)
            SendMessageA(list, LB_SETSEL, TRUE, index);
    } else {
        SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
}

} // namespace sw
