// The library's process-wide state, from attach to detach. Callers use the
// library from one thread, so the state is unguarded.
#pragma once

#include "common/file_filters.h"
#include "printengine/data_type_memory.h"
#include "printengine/raw_job.h"

#include <windows.h>

#include <string>
#include <vector>

namespace sw {

struct LibraryState {
    // Set by Orientation and SetAutoformfeed; in force for every job until changed.
    SHORT orientationEnabled = 0;
    std::string orientationStartSeq;
    std::string orientationEndSeq;
    SHORT autoFormFeed = 0;

    // Line printing: lines are collected in a scratch file until LPrintEnd.
    std::string scratchPath;
    std::string lineEndText;
    std::string formFeedText;
    HANDLE scratchFile = INVALID_HANDLE_VALUE;
    // The first failure while collecting lines (0: none), which LPrintEnd reports.
    LONG lineError = 0;

    // What each printer's driver asked of a raw job lately.
    DataTypeMemory dataTypes;

    // The names of the last AvailablePrinters enumeration.
    std::vector<std::string> printerList;
    // GetFileToPrint's remembered file type and filters.
    FileFilterState fileSelection;

    RawJobAdditions Additions() const;
};

LibraryState& State();

} // namespace sw
