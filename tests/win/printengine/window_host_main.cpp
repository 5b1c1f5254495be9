// A window of another process for the window-message helpers' tests: a
// top-level window titled "Window host" (once it is ready) with an edit
// control (id 101) and an unsorted list box (id 102) holding the items the
// tests expect. It runs until the window is closed.
#include <windows.h>

#include <string>

namespace {

const char kClassName[] = "swWindowHost";

LRESULT CALLBACK HostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
}

void CreateChildren(HWND host, HINSTANCE instance) {
    CreateWindowExA(0, "EDIT", "initial text", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 10, 10, 200,
                    20, host, reinterpret_cast<HMENU>(101), instance, nullptr);
    HWND list = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | LBS_HASSTRINGS, 10, 40,
                                200, 150, host, reinterpret_cast<HMENU>(102), instance, nullptr);
    const std::string items[] = {"alpha",      "Beta", "gamma", "beta", std::string(1500, 'L'),
                                 "Caf\xC3\xA9"};
    for (const std::string& item : items)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

} // namespace

int main() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = &HostProcedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassA(&windowClass))
        return 1;
    HWND host =
        CreateWindowExA(0, kClassName, "Window host (starting)", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                        0, 0, 240, 240, nullptr, nullptr, instance, nullptr);
    if (host == nullptr)
        return 2;
    CreateChildren(host, instance);
    // The tests look for this title: the controls are ready now.
    SetWindowTextA(host, "Window host");
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
