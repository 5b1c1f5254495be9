// What the copies dialog shows when it opens and what its "&Save && Return"
// clears, stores and remembers. Portable, so that the rules are unit-tested.
#pragma once

#include "settings/copies.h"

#include <cstdint>
#include <string>
#include <vector>

namespace sw {

// The radio button checked in "Saved as significant".
enum class CopiesScope { FileOnly, PrinterOnly, Both };

struct CopiesDialogStart {
    std::int32_t count = 1;
    CopiesScope scope = CopiesScope::Both;
    bool store = false; // "Store and print next time as set"
};

// The count, button and store box shown for the counts stored for the file
// (or its folder) and for the printer: equal counts (none stored included)
// give Both, otherwise the file's count when above 0, else the printer's. A
// count above 1 checks the store box; a count of 0 is shown as 1, one above
// kMostCopies as kMostCopies.
CopiesDialogStart ChooseCopiesDialogStart(std::int32_t fileCount, std::int32_t printerCount);

// The dialog's state when the user saves.
struct CopiesDialogChoice {
    std::string file;    // the file path or folder pattern shown
    std::string printer; // the printer shown
    std::int32_t count = 0;
    CopiesScope scope = CopiesScope::Both;
    bool folder = false; // "All files in the same directory"
    bool store = false;
};

struct CopiesSavePlan {
    RememberedCopiesSetting remembered;
    std::vector<std::string> sectionsToClear; // in this order
    std::vector<std::string> sectionsToWrite; // each receives "Copies" = count
};

// Every save first removes the stored counts of the file, of its folder and of
// the printer; a checked store box with a count above 1 then stores the count
// for the file (or its folder) and/or the printer, as the scope says. The
// remembered count keeps the file (or folder pattern) and printer it was given for.
// A count above kMostCopies is stored and remembered as kMostCopies.
CopiesSavePlan PlanCopiesSave(const CopiesDialogChoice& choice);

} // namespace sw
