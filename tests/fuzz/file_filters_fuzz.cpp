// Arbitrary chosen file names, one a line, through the remembered-file-type
// rules: whatever is chosen, the filter text stays within 179 characters, the
// remembered extension within 5, the preselected filter names an entry, and
// the dialog's filter buffer keeps its size and its closing NULs.
#include "common/file_filters.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream lines(std::string(reinterpret_cast<const char*>(data), size));
    sw::FileFilterState state;
    for (std::string chosen; std::getline(lines, chosen);) {
        const sw::FileSelectionStart start = sw::StartFileSelection(state);
        if (start.filterText.size() > sw::kFilterTextLimit ||
            start.filterIndex > state.filterList.size() || start.fileName.find('*') != 0)
            std::abort();
        const std::string buffer = sw::DialogFilterBuffer(start.filterText);
        if (buffer.size() != sw::kDialogFilterLimit + 2 || buffer[buffer.size() - 1] != '\0' ||
            buffer[buffer.size() - 2] != '\0')
            std::abort();

        const std::size_t entries = state.filterList.size();
        const std::string result = sw::FinishFileSelection(state, chosen);
        const bool cancelled = chosen.find('*') != std::string::npos;
        if (cancelled != result.empty() && !(chosen.empty() && result.empty()))
            std::abort();
        if (state.rememberedExtension.size() > sw::kRememberedExtensionLimit ||
            state.filterList.size() > entries + 1)
            std::abort();
    }
    return 0;
}
