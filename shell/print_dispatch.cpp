#include "shell/print_dispatch.h"

#include "shell/program_state.h"

#include <utility>

namespace sw {

PrintContext ProgramPrintContext() {
    return {Program().CompanionHandles, Program().RememberedCopies};
}

std::int32_t DispatchPrint(const std::string& printer, const std::string& file,
                           bool awaitRemoteOutcome,
                           std::function<void(std::int32_t)> forwardRemoteOutcome) {
    // Copies: a print that lets messages through (the word processor's route)
    // may see a drop change the selection while it runs.
    const PrintRequest request{printer, file, std::string(), awaitRemoteOutcome,
                               std::move(forwardRemoteOutcome)};
    return PrintOnRoute(request, InteractiveRules(Program().MainWindow), ProgramPrintContext());
}

} // namespace sw
