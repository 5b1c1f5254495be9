// Stands in for the program stopped between a print and what follows it:
// runs unattended printing with the real print library and ends its process
// at once when the first print has been spooled, as a kill or a power cut
// would, before the file is moved or the log written.
#include "support/library_call_recorder.h"
#include "support/print_context.h"
#include "unattended/unattended_run.h"

#include <windows.h>

namespace {

constexpr UINT kPrintedAndStopped = 7;
constexpr UINT kPrintFailed = 8;

} // namespace

int main() {
    swtest::LibraryCallRecorder library(swtest::LibraryCallRecorder::Answers::Real);
    library.afterCall = [](const swtest::LibraryCall& call, long result) {
        if (call.function == "PrintFile")
            TerminateProcess(GetCurrentProcess(), result == 0 ? kPrintedAndStopped : kPrintFailed);
    };
    // The first tick sees the files; a later one prints those that settled.
    for (int tick = 0; tick < 100; ++tick) {
        sw::RunUnattendedPass(swtest::FreshPrintContext());
        Sleep(100);
    }
    return 1; // nothing was printed
}
