// Thin window-message helpers for callers that cannot send messages
// themselves. The windows may belong to other processes.
#include "printengine/ole_string.h"
#include "printengine/export_arguments.h"
#include "printengine/swprint.h"

#include <string>

namespace {

// Both reads use a 1024-byte buffer: at most 1023 characters come back.
constexpr std::size_t kTextBufferSize = 1024;
// LB_GETTEXT writes the whole item, so its buffer must hold what
// LB_GETTEXTLEN reports. A window that reports more than any list box item
// holds is not read at all rather than given a buffer of gigabytes.
constexpr LRESULT kItemLengthLimit = 1 << 20;

} // namespace

extern "C" void WINAPI VBWriteTxtMessage(HWND window, LPCSTR text) {
    const std::string value = sw::TextArgument(text);
    SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(value.c_str()));
}

extern "C" BSTR WINAPI VBTxtMessage(HWND window) {
    char buffer[kTextBufferSize] = {};
    SendMessageA(window, WM_GETTEXT, kTextBufferSize, reinterpret_cast<LPARAM>(buffer));
    buffer[kTextBufferSize - 1] = '\0';
    return sw::OleStringFromAnsi(buffer);
}

extern "C" BSTR WINAPI VBLBMessage(HWND listBox, LONG index) {
    // The item is read as Unicode: a list box of another process answers an
    // ANSI request with Unicode under Wine, which can overrun an ANSI-sized
    // buffer. The buffer is sized from the item's length, never less than
    // 1024 characters.
    const LRESULT length = SendMessageW(listBox, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR || length < 0 || length > kItemLengthLimit)
        return sw::OleStringFromAnsi("");
    const std::size_t room =
        static_cast<std::size_t>(length) < kTextBufferSize ? kTextBufferSize : length + 1;
    std::wstring item(room, L'\0');
    const LRESULT copied = SendMessageW(listBox, LB_GETTEXT, static_cast<WPARAM>(index),
                                        reinterpret_cast<LPARAM>(&item[0]));
    if (copied == LB_ERR || copied < 0)
        return sw::OleStringFromAnsi("");
    const std::size_t end = item.find(L'\0');
    if (end != std::wstring::npos)
        item.resize(end);

    const int itemLength = static_cast<int>(item.size());
    const int bytes =
        WideCharToMultiByte(CP_ACP, 0, item.c_str(), itemLength, nullptr, 0, nullptr, nullptr);
    std::string text(bytes > 0 ? static_cast<std::size_t>(bytes) : 0, '\0');
    if (bytes > 0)
        WideCharToMultiByte(CP_ACP, 0, item.c_str(), itemLength, &text[0], bytes, nullptr, nullptr);
    return sw::OleStringFromAnsi(text.substr(0, kTextBufferSize - 1));
}

extern "C" LONG WINAPI VBLbFindStringExact(HWND listBox, LONG startIndex, LPCSTR text) {
    // A message to no window answers 0, which would read as "found at index 0".
    if (!IsWindow(listBox))
        return LB_ERR;
    const std::string value = sw::TextArgument(text);
    return static_cast<LONG>(SendMessageA(listBox, LB_FINDSTRINGEXACT,
                                          static_cast<WPARAM>(startIndex),
                                          reinterpret_cast<LPARAM>(value.c_str())));
}
