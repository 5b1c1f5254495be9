// The system's open-file and save-file dialogs, as both deliverables show
// them: a filter text with "|" between its parts, and a file name buffer that
// takes the longest path the system has.
#pragma once

#include <windows.h>

#include <string>

namespace sw {

struct FileDialogRequest {
    HWND owner = nullptr;
    std::string title;            // the system's title when empty
    std::string fileName;         // in: initial name; out: the chosen path, whole
    std::string initialFolder;    // the current directory when empty
    std::string filterText;       // "description|pattern|description|pattern..."
    DWORD filterIndex = 0;        // 1-based preselected filter; the user's choice is not returned
    std::string defaultExtension; // at most 9 characters are used
    DWORD flags = 0;              // in: OFN_ flags; out: as the dialog left them
};

// Each shows its dialog modally and returns true when the user confirmed a
// file; fileName and flags are copied back either way, except that a dialog
// that failed (rather than being cancelled) leaves fileName as it was.
bool OpenFileDialog(FileDialogRequest& request);
bool SaveFileDialog(FileDialogRequest& request);

} // namespace sw
