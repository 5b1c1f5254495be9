#include "program_state.h"

namespace sw {

std::string CurrentPrinter;
std::string SelectedFile;
std::string PassedPrinter;
RememberedCopiesSetting RememberedCopies;
short PatternCount = 0;

} // namespace sw
