// The cursor and message-box calls of bitmap printing, reached through one
// table so that a test can watch them: neither leaves a trace in the printed
// page, and a real message box would wait for a user. It defaults to the real
// API.
#pragma once

#include <windows.h>

namespace sw {

struct FeedbackApi {
    HCURSOR(WINAPI* setCursor)(HCURSOR cursor);
    int(WINAPI* messageBox)(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
};

FeedbackApi& Feedback();

} // namespace sw
