// The size of a printer's paper, as its driver reports it.
#pragma once

#include "settings/placement_check.h"

#include <optional>
#include <string>

namespace sw {

// The paper's width and height in inches; nothing for an empty name or a
// printer that has no device context here (a remote one, one removed).
std::optional<PageSize> PrinterPageSize(const std::string& printer);

} // namespace sw
