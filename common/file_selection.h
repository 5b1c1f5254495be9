// The file-selection routine of both deliverables: the open-file dialog with
// the remembered file type (see file_filters.h). The library keeps one state
// for GetFileToPrint, the main program its own.
#pragma once

#include "common/file_filters.h"

#include <string>

namespace sw {

// Shows "Open File" in the current directory and returns the chosen path,
// whole, or empty when the user cancelled.
std::string SelectFileWithFilters(FileFilterState& state);

} // namespace sw
