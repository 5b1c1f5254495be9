// The process-wide state of swutil.exe that more than one subsystem reads:
// the printer and file the user selected, the printer named on the command
// line and whether to ask for its association, the outcome of the start-up,
// the remembered number of copies and the size of the pattern list when its
// dialog opened. Set by the shell and the dialogs, read by the queries.
#pragma once

#include "settings/copies.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace sw {

// Printer names and paths are kept to this many characters where they persist.
inline constexpr std::size_t kStateTextLimit = 254;

extern std::string CurrentPrinter; // the printer the next print goes to
extern std::string SelectedFile;   // the file the user selected
extern std::string PassedPrinter;  // the printer named on the command line
extern RememberedCopiesSetting RememberedCopies;
// -1: the next Select or Print first asks which installed printer stands for
// PassedPrinter; 0 otherwise.
extern std::int16_t AskAssociation;
// -1 when the command line already printed and the program closes at once.
extern std::int16_t StartupOutcome;
// A print to a remote printer waits for the companion to announce its
// controls; a command-line print closes the program once it is handed over.
extern bool RemotePrintPending;
extern bool CloseAfterRemotePrint;
extern short PatternCount; // "NoBypass" patterns found when its dialog last opened

} // namespace sw
