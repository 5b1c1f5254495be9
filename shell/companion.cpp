#include "shell/companion.h"

#include "resources/resource.h"

namespace sw {

namespace {

// 0 until registered; registration never gives 0 for a valid name.
std::array<UINT, kCompanionControlCount> messageIds = {};

} // namespace

void RegisterCompanionMessages() {
    for (int i = 0; i < kCompanionControlCount; ++i)
        messageIds[i] = RegisterWindowMessageA(kCompanionMessageNames[i]);
}

CompanionMessage ReceiveCompanionMessage(UINT message, WPARAM wParam) {
    for (int i = 0; i < kCompanionControlCount; ++i) {
        if (messageIds[i] == 0 || message != messageIds[i])
            continue;
        const bool firstPrintCommand =
            i == kCompanionPrintCommand && Program().CompanionHandles[i] == nullptr;
        Program().CompanionHandles[i] = reinterpret_cast<HWND>(wParam);
        return firstPrintCommand ? CompanionMessage::StoredFirstPrintCommand
                                 : CompanionMessage::Stored;
    }
    return CompanionMessage::NotCompanion;
}

void MarkCompanionMenuItem(HMENU menu) {
    if (menu == nullptr || !IsCompanionRunning())
        return;
    if ((GetMenuState(menu, IDM_COMPANION, MF_BYCOMMAND) & MF_CHECKED) == 0)
        CheckMenuItem(menu, IDM_COMPANION, MF_BYCOMMAND | MF_CHECKED);
}

bool UpdateCompanionMenuItem(HMENU menu) {
    const bool running = IsCompanionRunning();
    if (menu != nullptr)
        CheckMenuItem(menu, IDM_COMPANION, MF_BYCOMMAND | (running ? MF_CHECKED : MF_UNCHECKED));
    return running;
}

} // namespace sw
