#include "shell/shutdown.h"

#include "remote/dial_up.h"
#include "shell/program_state.h"
#include "shell/unattended_command.h"
#include "unattended/unattended_printing.h"

#include <windows.h>

namespace sw {

bool UnattendedPrintingWasOnAtExit() {
    return UnattendedPrintingWasOn();
}

void RunShutdownSteps() {
    ProgramState& program = Program();
    static bool done = false;
    if (done)
        return;
    done = true;
    if (program.DialUp.dialedForWeb)
        HangUpConnections(program.DialUp.library, "");
    if (program.CompanionPollTimer != 0) {
        KillTimer(nullptr, program.CompanionPollTimer);
        program.CompanionPollTimer = 0;
    }
    const bool wasOn = StopUnattendedPrinting(program.UnattendedTimer);
    ReleaseWindowOwnership();
    // A print from the command line leaves the stored state for the next start.
    if (program.StartupOutcome != -1 && !program.CloseAfterRemotePrint)
        RecordUnattendedPrinting(wasOn);
    if (program.ToolBarBitmap != nullptr) {
        DeleteObject(program.ToolBarBitmap);
        program.ToolBarBitmap = nullptr;
    }
    // 0 for every start but one that printed from its command line and failed.
    PostQuitMessage(program.ExitCode);
}

} // namespace sw
