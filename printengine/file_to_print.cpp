// GetFileToPrint: the file-selection routine with the library's own
// remembered file type, for callers that load the library.
#include "common/file_selection.h"
#include "printengine/library_state.h"
#include "printengine/swprint.h"

#include <cstring>

namespace {

// The caller's buffer holds 255 bytes and a NUL.
constexpr std::size_t kResultLimit = 255;

} // namespace

extern "C" void WINAPI GetFileToPrint(LPSTR buffer) {
    if (buffer == nullptr)
        return;
    // A path longer than the buffer is not given at all: a cut one would name
    // another file.
    std::string chosen = sw::SelectFileWithFilters(sw::State().fileSelection);
    if (chosen.size() > kResultLimit)
        chosen.clear();
    std::memcpy(buffer, chosen.data(), chosen.size());
    buffer[chosen.size()] = '\0';
}
