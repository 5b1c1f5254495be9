// The number of copies the print paths make of a file.
#pragma once

#include "settings/remembered_copies.h"

#include <cstdint>
#include <string_view>

namespace sw {

// The number of copies of the file on the printer (both without blanks at
// their ends), at least 1: the counts stored for the file, its folder and the
// printer in this order, each above 1 replacing the one before, then raised by
// the count the copies dialog remembers when that was given for this printer,
// file or folder.
std::int32_t GetCopiesSetting(std::string_view file, std::string_view printer,
                              const RememberedCopiesSetting& remembered);

} // namespace sw
