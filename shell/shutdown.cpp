#include "shell/shutdown.h"

#include "settings/setting_names.h"
#include "settings/settings_store.h"
#include "shell/program_state.h"
#include "shell/window_state.h"

#include <windows.h>

namespace sw {

bool UnattendedPrintingWasOnAtExit() {
    return ReadSettingNumber(SettingsFilePath(), kUnattendedSection, kStatusKey) != 0;
}

void RunShutdownSteps() {
    static bool done = false;
    if (done)
        return;
    done = true;
    if (CompanionPollTimer != 0) {
        KillTimer(nullptr, CompanionPollTimer);
        CompanionPollTimer = 0;
    }
    if (StartupOutcome != -1 && !CloseAfterRemotePrint)
        WriteSetting(SettingsFilePath(), kUnattendedSection, kStatusKey, "0");
    if (ToolBarBitmap != nullptr) {
        DeleteObject(ToolBarBitmap);
        ToolBarBitmap = nullptr;
    }
    PostQuitMessage(0);
}

} // namespace sw
