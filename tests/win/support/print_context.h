// The print context of a program that has met no companion and whose copies
// dialog remembers nothing, for tests of the print paths below the program.
#pragma once

#include "printroute/print_route.h"

namespace swtest {

inline sw::PrintContext FreshPrintContext() {
    static const sw::CompanionControls companion = {};
    static const sw::RememberedCopiesSetting remembered;
    return {companion, remembered};
}

} // namespace swtest
