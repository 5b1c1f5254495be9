#include "shell/handed_print.h"

namespace sw {

UINT HandedPrintResultMessage() {
    static const UINT message = RegisterWindowMessageA("SpoolwrightFarreach_HandedPrintResult");
    return message;
}

void AnswerHandedPrint(HWND asker, std::int32_t code) {
    if (asker != nullptr)
        PostMessageA(asker, HandedPrintResultMessage(),
                     static_cast<WPARAM>(static_cast<std::uint32_t>(code)), 0);
}

} // namespace sw
