// GetFileToPrint: the file-selection routine with the library's own
// remembered file type, for callers that load the library.
#include "common/file_selection.h"
#include "printengine/library_state.h"
#include "printengine/swprint.h"

#include <cstring>

namespace {

// The dialog's file buffer holds 255 characters; so does the caller's.
constexpr std::size_t kResultLimit = 255;

} // namespace

extern "C" void WINAPI GetFileToPrint(LPSTR buffer) {
    if (buffer == nullptr)
        return;
    const std::string chosen = sw::SelectFileWithFilters(sw::State().fileSelection);
    const std::size_t length = chosen.size() < kResultLimit ? chosen.size() : kResultLimit;
    std::memcpy(buffer, chosen.data(), length);
    buffer[length] = '\0';
}
