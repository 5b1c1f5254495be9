#include "shell/window_state.h"

#include <vector>

namespace sw {

HINSTANCE ProgramInstance = nullptr;
HWND MainWindow = nullptr;
HWND PrinterListBox = nullptr;

std::string SelectedListPrinter() {
    if (PrinterListBox == nullptr)
        return std::string();
    const LRESULT index = SendMessageA(PrinterListBox, LB_GETCURSEL, 0, 0);
    const LRESULT length = SendMessageA(PrinterListBox, LB_GETTEXTLEN, index, 0);
    if (index == LB_ERR || length == LB_ERR)
        return std::string();
    std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT copied =
        SendMessageA(PrinterListBox, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    return copied == LB_ERR ? std::string() : std::string(text.data(), copied);
}

} // namespace sw
