// The library's entry point. LIBMAIN is exported as well, for callers that
// initialise the library by hand; it always returns 1 so the library loads.
#include "printengine/library_state.h"
#include "printengine/raw_job.h"
#include "printengine/swprint.h"

#include <string>

namespace {

std::string TempFolder() {
    const DWORD size = GetEnvironmentVariableA("TEMP", nullptr, 0);
    if (size == 0)
        return std::string();
    std::string value(size, '\0');
    const DWORD length = GetEnvironmentVariableA("TEMP", &value[0], size);
    value.resize(length < size ? length : 0);
    return value;
}

} // namespace

extern "C" LONG WINAPI LIBMAIN(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        sw::LibraryState& state = sw::State();
        state.scratchPath = sw::ScratchPathFor(TempFolder());
        state.lineEndText.clear();
        state.formFeedText.clear();
    }
    return 1;
}
