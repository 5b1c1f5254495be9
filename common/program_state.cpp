#include "common/program_state.h"

#include "common/control_helpers.h"
#include "common/program_folder.h"

namespace sw {

ProgramState::ProgramState()
    : DataFilePath(ProgramFolder() + "sw.dat"), DataFileBPath(ProgramFolder() + "swb.dat") {}

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
