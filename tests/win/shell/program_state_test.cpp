// The program's state in one place: a reset gives the state of a fresh start,
// with the schedule file's paths beside the program.
#include "common/program_folder.h"
#include "shell/program_state.h"
#include "unattended/data_files.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgramState, ResetGivesTheStateOfAFreshStart) {
    sw::ProgramState& program = sw::Program();
    program.SelectedFile = "C:\\jobs\\a.prn";
    program.CurrentPrinter = "sw_raw";
    program.AskAssociation = -1;
    program.CompanionHandles[3] = reinterpret_cast<HWND>(7);
    program.RememberedCopies = {4, "C:\\jobs\\*.*", "sw_raw"};
    program.RemotePrintPending = true;
    program.ExitCode = 5;

    sw::ResetProgramState();
    EXPECT_EQ(&sw::Program(), &program) << "one state, reached through one accessor";
    EXPECT_EQ(program.SelectedFile, "");
    EXPECT_EQ(program.CurrentPrinter, "");
    EXPECT_EQ(program.AskAssociation, 0);
    EXPECT_EQ(program.CompanionHandles[3], nullptr);
    EXPECT_EQ(program.RememberedCopies.count, 0);
    EXPECT_EQ(program.RememberedCopies.file, "");
    EXPECT_EQ(program.ExitCode, 0);
    EXPECT_FALSE(program.RemotePrintPending);
    EXPECT_EQ(sw::DataFilePath(), sw::ProgramFolder() + "sw.dat");
    EXPECT_EQ(sw::DataFileBPath(), sw::ProgramFolder() + "swb.dat");
}

} // namespace
