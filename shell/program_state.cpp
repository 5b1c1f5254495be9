#include "shell/program_state.h"

#include "common/control_helpers.h"

namespace sw {

ProgramState& Program() {
    static ProgramState state;
    return state;
}

void ResetProgramState() {
    Program() = ProgramState();
}

std::string SelectedListPrinter() {
    return ListBoxText(Program().PrinterListBox, -1);
}

} // namespace sw
