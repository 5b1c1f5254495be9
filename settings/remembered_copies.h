// The number of copies the copies dialog remembers until the program ends;
// part of the program's state, read by the copies resolution. Portable.
#pragma once

#include <cstdint>
#include <string>

namespace sw {

// The count entered in the copies dialog at its last save. An empty file or
// printer means the count was not given for it.
struct RememberedCopiesSetting {
    std::int32_t count = 0;
    std::string file;    // a file path or a folder pattern (folder + "*.*")
    std::string printer; // a printer name
};

} // namespace sw
