// Arbitrary chosen file names, one a line, through the remembered-file-type
// rules: whatever is chosen, the filter text stays within 179 characters, the
// remembered extension within 5, the preselected filter names an entry, and
// the dialog's filter buffer keeps its size and its closing NULs.
#include "common/file_filters.h"
#include "fuzz_check.h"

#include <cstdint>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream lines(swfuzz::Text(data, size));
    sw::FileFilterState state;
    for (std::string chosen; std::getline(lines, chosen);) {
        const sw::FileSelectionStart start = sw::StartFileSelection(state);
        swfuzz::CrashIf(start.filterText.size() > sw::kFilterTextLimit ||
                        start.filterIndex > state.filterList.size() ||
                        start.fileName.find('*') != 0);
        const std::string buffer = sw::DialogFilterBuffer(start.filterText);
        swfuzz::CrashIf(buffer.size() != sw::kDialogFilterLimit + 2 ||
                        buffer[buffer.size() - 1] != '\0' || buffer[buffer.size() - 2] != '\0');

        const std::size_t entries = state.filterList.size();
        const std::string result = sw::FinishFileSelection(state, chosen);
        const bool cancelled = chosen.find('*') != std::string::npos;
        swfuzz::CrashIf(cancelled != result.empty() && !(chosen.empty() && result.empty()));
        swfuzz::CrashIf(state.rememberedExtension.size() > sw::kRememberedExtensionLimit ||
                        state.filterList.size() > entries + 1);
    }
    return 0;
}
