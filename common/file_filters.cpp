#include "common/file_filters.h"

#include "common/path_helpers.h"

#include <algorithm>

namespace sw {

namespace {

const char* const kInitialFilters[] = {"PRN files|*.PRN", "Text Files|*.TXT", "All Files|*.*"};

std::string UpperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

bool ContainsIgnoringCase(std::string_view text, std::string_view part) {
    return UpperAscii(text).find(UpperAscii(part)) != std::string::npos;
}

} // namespace

FileSelectionStart StartFileSelection(FileFilterState& state) {
    if (state.rememberedExtension.empty())
        state.rememberedExtension = ExtensionPart("*.PRN");
    if (state.filterList.empty())
        state.filterList.assign(std::begin(kInitialFilters), std::end(kInitialFilters));

    FileSelectionStart start;
    start.fileName = "*." + state.rememberedExtension;
    start.defaultExtension = state.rememberedExtension;
    start.filterIndex = 0;
    std::string joined;
    for (std::size_t i = 0; i < state.filterList.size(); ++i) {
        if (i > 0)
            joined += '|';
        joined += state.filterList[i];
        if (ContainsIgnoringCase(state.filterList[i], "." + state.rememberedExtension))
            start.filterIndex = static_cast<unsigned long>(i + 1);
    }
    state.filterText = joined.substr(0, kFilterTextLimit);
    start.filterText = state.filterText;
    return start;
}

std::string FinishFileSelection(FileFilterState& state, std::string_view dialogFileName) {
    if (dialogFileName.find('*') != std::string_view::npos)
        return std::string();
    const std::string extension =
        ExtensionPart(dialogFileName).substr(0, kRememberedExtensionLimit);
    state.rememberedExtension = extension;
    const bool inFilterText = state.filterText.find("." + extension) != std::string::npos;
    const bool inAnEntry = std::any_of(
        state.filterList.begin(), state.filterList.end(),
        [&](const std::string& entry) { return ContainsIgnoringCase(entry, extension); });
    if (!inFilterText && !inAnEntry)
        state.filterList.push_back(extension + " files|*." + extension);
    return std::string(dialogFileName);
}

std::string DialogFilterBuffer(std::string_view filterText) {
    std::string buffer(filterText.substr(0, kDialogFilterLimit));
    std::replace(buffer.begin(), buffer.end(), '|', '\0');
    buffer.resize(kDialogFilterLimit + 2, '\0');
    return buffer;
}

} // namespace sw
