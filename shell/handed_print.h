// The answer to a print handed over by a second start of the program: the
// second start waits for it, so that its exit code says what became of the
// print, as a first start's would.
#pragma once

#include <windows.h>

#include <cstdint>

namespace sw {

// WM_COPYDATA's dwData for a command line whose sender waits for the
// print's result; WM_COPYDATA's wParam is the window that takes the answer.
// A copy that does not know it refuses it, and is handed kCommandLineCopyData.
inline constexpr ULONG_PTR kAnsweredCommandLineCopyData = 0x53574332; // "SWC2"

// The registered message the result is posted with: wParam is the code (0
// when the print was handed on whole, else the code a first start ends with).
UINT HandedPrintResultMessage();

// Posts the result to the second start's window; nothing for none.
void AnswerHandedPrint(HWND asker, std::int32_t code);

} // namespace sw
