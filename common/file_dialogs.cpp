#include "common/file_dialogs.h"

#include "common/file_filters.h"

#include <commdlg.h>

#include <cstring>

namespace sw {

namespace {

// The chosen path is never cut: the buffer takes the longest path the system
// has (in UTF-8, up to three bytes a character).
constexpr std::size_t kFileBufferSize = 3 * 32767 + 1;
constexpr std::size_t kFileTitleSize = 256 * 3;
constexpr std::size_t kDefaultExtensionLimit = 9;

// Copies at most size - 1 characters and always terminates.
void CopyInto(char* buffer, std::size_t size, const std::string& text) {
    const std::size_t length = text.size() < size ? text.size() : size - 1;
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
}

bool ShowFileDialog(FileDialogRequest& request, BOOL(WINAPI* dialog)(LPOPENFILENAMEA)) {
    const std::string filter = DialogFilterBuffer(request.filterText);
    std::string folder = request.initialFolder;
    if (folder.empty()) {
        char current[MAX_PATH] = {};
        const DWORD length = GetCurrentDirectoryA(MAX_PATH, current);
        folder.assign(current, length < MAX_PATH ? length : 0);
    }
    const std::string extension = request.defaultExtension.substr(0, kDefaultExtensionLimit);
    std::string fileName(kFileBufferSize, '\0');
    char fileTitle[kFileTitleSize] = {};
    CopyInto(&fileName[0], fileName.size(), request.fileName);

    // The record as Windows 95 and NT 4 know it (76 bytes): the later fields
    // are left out so that every system accepts it.
    OPENFILENAMEA record = {};
    record.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    record.hwndOwner = request.owner;
    record.lpstrFilter = filter.c_str();
    record.nFilterIndex = request.filterIndex;
    record.lpstrFile = &fileName[0];
    record.nMaxFile = static_cast<DWORD>(fileName.size());
    record.lpstrFileTitle = fileTitle;
    record.nMaxFileTitle = sizeof(fileTitle);
    record.lpstrInitialDir = folder.c_str();
    record.lpstrTitle = request.title.empty() ? nullptr : request.title.c_str();
    record.Flags = request.flags;
    record.lpstrDefExt = extension.c_str();

    const BOOL confirmed = dialog(&record);
    request.flags = record.Flags;
    // A failed dialog (a chosen path longer than the buffer, for one) leaves
    // the size it needed in the buffer's first bytes, which is no name: the
    // caller's name stays. A cancelled one leaves the buffer as it was given.
    if (!confirmed && CommDlgExtendedError() != 0)
        return false;
    fileName.back() = '\0';
    request.fileName = fileName.c_str();
    return confirmed != FALSE;
}

} // namespace

bool OpenFileDialog(FileDialogRequest& request) {
    return ShowFileDialog(request, GetOpenFileNameA);
}

bool SaveFileDialog(FileDialogRequest& request) {
    return ShowFileDialog(request, GetSaveFileNameA);
}

} // namespace sw
