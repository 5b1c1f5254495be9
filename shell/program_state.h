// The process-wide state of swutil.exe that more than one subsystem reads:
// the printer and file the user selected, the printer named on the command
// line, the remembered number of copies and the size of the pattern list when
// its dialog opened. Set by the shell and the dialogs, read by the queries.
#pragma once

#include "settings/copies.h"

#include <cstddef>
#include <string>

namespace sw {

// Printer names and paths are kept to this many characters where they persist.
inline constexpr std::size_t kStateTextLimit = 254;

extern std::string CurrentPrinter; // the printer the next print goes to
extern std::string SelectedFile;   // the file the user selected
extern std::string PassedPrinter;  // the printer named on the command line
extern RememberedCopiesSetting RememberedCopies;
extern short PatternCount; // "NoBypass" patterns found when its dialog last opened

} // namespace sw
