// The remembered file type of the file-selection dialog: which filters the
// dialog offers, which one it preselects, and what a chosen file adds to
// them. Portable; the dialog itself is in file_selection.cpp. The library and
// the main program each keep their own state.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace sw {

inline constexpr std::size_t kRememberedExtensionLimit = 5;
inline constexpr std::size_t kFilterTextLimit = 179;
inline constexpr std::size_t kDialogFilterLimit = 255;

struct FileFilterState {
    // Extension of the last chosen file, without the dot; "PRN" until one is chosen.
    std::string rememberedExtension;
    // Entries "description|pattern"; filled with the three defaults on first use.
    std::vector<std::string> filterList;
    // The joined filter text last given to the dialog.
    std::string filterText;
};

// What the dialog is shown with.
struct FileSelectionStart {
    std::string fileName;         // "*." followed by the remembered extension
    std::string filterText;       // the entries joined by "|", at most 179 characters
    unsigned long filterIndex;    // 1-based; 0 when no entry holds the extension
    std::string defaultExtension; // the remembered extension
};

// Prepares the next dialog: fills in the defaults on first use and stores
// the filter text it hands out.
FileSelectionStart StartFileSelection(FileFilterState& state);

// Takes the dialog's resulting file name. A name that still holds "*" means
// the dialog was cancelled: the result is empty and the state unchanged.
// Otherwise the name is the result, its extension (at most 5 characters) is
// remembered, and a filter entry for it is added unless the filters already
// mention it.
std::string FinishFileSelection(FileFilterState& state, std::string_view dialogFileName);

// The filter text as the dialog takes it: each "|" a NUL, at most 255
// characters, followed by NULs up to a fixed 257 bytes, so that a list whose
// last entry lost its pattern still ends in an empty pair.
std::string DialogFilterBuffer(std::string_view filterText);

} // namespace sw
