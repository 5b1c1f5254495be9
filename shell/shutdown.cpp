#include "shell/shutdown.h"

#include "common/program_state.h"
#include "remote/dial_up.h"
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
    if (Program().DialedForWeb)
        HangUpConnections("");
    if (Program().CompanionPollTimer != 0) {
        KillTimer(nullptr, Program().CompanionPollTimer);
        Program().CompanionPollTimer = 0;
    }
    const bool wasOn = StopUnattendedPrinting();
    // A print from the command line leaves the stored state for the next start.
    if (Program().StartupOutcome != -1 && !Program().CloseAfterRemotePrint)
        RecordUnattendedPrinting(wasOn);
    if (Program().ToolBarBitmap != nullptr) {
        DeleteObject(Program().ToolBarBitmap);
        Program().ToolBarBitmap = nullptr;
    }
    PostQuitMessage(0);
}

} // namespace sw
