#include "shell/print_failure.h"

#include "common/message_captions.h"
#include "shell/print_failure_text.h"

namespace sw {

std::string SystemMessage(std::int32_t code) {
    char text[512] = {};
    const DWORD length =
        FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                       static_cast<DWORD>(code), 0, text, sizeof(text), nullptr);
    return std::string(text, length < sizeof(text) ? length : 0);
}

void ShowPrintFailure(HWND owner, const std::string& file, const std::string& printer,
                      std::int32_t code) {
    const std::string text = PrintFailureText(file, printer, code, SystemMessage(code));
    MessageBoxA(owner, text.c_str(), kProgramCaption, MB_OK | MB_ICONERROR);
}

} // namespace sw
