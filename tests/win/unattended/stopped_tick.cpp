// Stands in for the program stopped in the middle of unattended printing:
// runs it with the real print library and ends its process at once, as a
// kill or a power cut would, at the moment its arguments name:
//   end N             as the Nth job is about to end, all its bytes written;
//   taken N           after the Nth print, once the journal says the spooler
//                     took it (at the clock read that dates it).
// With "ticks N" it is not stopped: it runs N ticks and ends with the code
// of the last one's pause (0 when it did not pause), as a copy of the program
// placed on a disk of the test's choosing.
#include "printengine/spooler_api.h"
#include "support/library_call_recorder.h"
#include "support/print_context.h"
#include "unattended/local_clock.h"
#include "unattended/unattended_run.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>

namespace {

constexpr UINT kPrintedAndStopped = 7;

int countdown = 0;
bool stopAtClock = false;
sw::SpoolerApi realSpooler;
sw::LocalClockApi realClock;

BOOL WINAPI StopBeforeEndDoc(HANDLE printer) {
    if (--countdown == 0)
        TerminateProcess(GetCurrentProcess(), kPrintedAndStopped);
    return realSpooler.endDocPrinter(printer);
}

void WINAPI ClockThenStop(LPSYSTEMTIME time) {
    if (stopAtClock)
        TerminateProcess(GetCurrentProcess(), kPrintedAndStopped);
    realClock.getLocalTime(time);
}

} // namespace

int main(int argc, char** argv) {
    swtest::LibraryCallRecorder library(swtest::LibraryCallRecorder::Answers::Real);
    realSpooler = sw::Spooler();
    realClock = sw::LocalClock();
    const char* point = argc > 2 ? argv[1] : "";
    countdown = argc > 2 ? std::atoi(argv[2]) : 0;
    if (std::strcmp(point, "end") == 0) {
        sw::Spooler().endDocPrinter = StopBeforeEndDoc;
    } else if (std::strcmp(point, "taken") == 0) {
        sw::LocalClock().getLocalTime = ClockThenStop;
        library.afterCall = [](const swtest::LibraryCall& call, long result) {
            if (call.function == "PrintFile" && result == 0 && --countdown == 0)
                stopAtClock = true;
        };
    }
    const bool ticks = std::strcmp(point, "ticks") == 0;
    // The first tick sees the files; a later one prints those that settled.
    sw::UnattendedPassResult result;
    for (int tick = 0; tick < (ticks ? countdown : 100); ++tick) {
        result = sw::RunUnattendedPass(swtest::FreshPrintContext());
        Sleep(100);
    }
    return ticks ? static_cast<int>(result.error) : 1; // 1: not stopped
}
