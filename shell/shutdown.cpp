#include "shell/shutdown.h"

#include "remote/dial_up.h"
#include "shell/program_state.h"
#include "shell/window_state.h"
#include "unattended/unattended_printing.h"

#include <windows.h>

namespace sw {

bool UnattendedPrintingWasOnAtExit() {
    return UnattendedPrintingWasOn();
}

void RunShutdownSteps() {
    static bool done = false;
    if (done)
        return;
    done = true;
    if (DialedForWeb)
        HangUpConnections("");
    if (CompanionPollTimer != 0) {
        KillTimer(nullptr, CompanionPollTimer);
        CompanionPollTimer = 0;
    }
    const bool wasOn = StopUnattendedPrinting();
    // A print from the command line leaves the stored state for the next start.
    if (StartupOutcome != -1 && !CloseAfterRemotePrint)
        RecordUnattendedPrinting(wasOn);
    if (ToolBarBitmap != nullptr) {
        DeleteObject(ToolBarBitmap);
        ToolBarBitmap = nullptr;
    }
    PostQuitMessage(0);
}

} // namespace sw
