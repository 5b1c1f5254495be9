// Entry of Remsw.exe, the companion "Spoolwright Remote": prints files on
// the printers of remote sites for Spoolwright, which hands it jobs by
// writing into its controls.
#include "remote/companion/companion_window.h"

#include <winsock2.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    WSADATA sockets;
    if (WSAStartup(MAKEWORD(2, 2), &sockets) != 0)
        return 1;
    int result = 1;
    if (sw::RegisterCompanionClass(instance)) {
        HWND window = sw::CreateCompanionWindow(instance);
        if (window != nullptr) {
            ShowWindow(window, showCommand);
            UpdateWindow(window);
            MSG message;
            while (GetMessageA(&message, nullptr, 0, 0) > 0) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
            result = static_cast<int>(message.wParam);
        }
    }
    WSACleanup();
    return result;
}
