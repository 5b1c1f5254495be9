#include "common/file_selection.h"

#include "common/file_dialogs.h"

#include <commdlg.h>

namespace sw {

std::string SelectFileWithFilters(FileFilterState& state) {
    const FileSelectionStart start = StartFileSelection(state);
    FileDialogRequest request;
    request.title = "Open File";
    request.fileName = start.fileName;
    request.filterText = start.filterText;
    request.filterIndex = start.filterIndex;
    request.defaultExtension = start.defaultExtension;
    // Without OFN_NOCHANGEDIR the dialog moves the current directory to the
    // chosen file's folder, where the next selection then starts.
    request.flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_LONGNAMES;
    // A dialog that failed or was cancelled chose nothing, whatever its
    // buffer holds; a confirmed name that still holds "*" is no file either.
    if (!OpenFileDialog(request))
        return std::string();
    return FinishFileSelection(state, request.fileName);
}

} // namespace sw
