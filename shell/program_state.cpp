#include "program_state.h"

namespace sw {

std::string CurrentPrinter;
std::string SelectedFile;
std::string PassedPrinter;
RememberedCopiesSetting RememberedCopies;
std::int16_t AskAssociation = 0;
std::int16_t StartupOutcome = 0;
bool RemotePrintPending = false;
bool CloseAfterRemotePrint = false;
short PatternCount = 0;

} // namespace sw
