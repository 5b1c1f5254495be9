// Entry of swutil.exe: the printer the dialogs and prints work on starts as
// the default printer; then the main window runs until it is closed.
#include "printengine/swprint.h"
#include "settings/library_text.h"
#include "shell/main_window.h"
#include "shell/program_state.h"

namespace {

std::string DefaultPrinterName() {
    return sw::TakeLibraryText(DefaultPrinter()).substr(0, sw::kStateTextLimit);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    sw::CurrentPrinter = DefaultPrinterName();
    if (!sw::RegisterMainWindowClass(instance))
        return 0;
    HWND window = sw::CreateMainWindow(instance);
    if (window == nullptr)
        return 0;
    ShowWindow(window, showCommand);
    UpdateWindow(window);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
