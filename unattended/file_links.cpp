#include "unattended/file_links.h"

#include "common/handle_guard.h"
#include "common/long_path.h"
#include "common/text_helpers.h"

#include <windows.h>

#include <set>
#include <vector>

namespace sw {
namespace {

using FinalPathCall = DWORD(WINAPI*)(HANDLE, LPWSTR, DWORD, DWORD);

// Looked up at run time: systems before Vista have no such call, and the
// programs still start there.
FinalPathCall FinalPathFunction() {
    static const FinalPathCall call = reinterpret_cast<FinalPathCall>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetFinalPathNameByHandleW")));
    return call;
}

// Where the handle's file really is, without the "\\?\" prefix; empty when
// the system cannot tell.
std::wstring FinalPath(HANDLE handle) {
    const FinalPathCall finalPath = FinalPathFunction();
    // FILE_NAME_NORMALIZED | VOLUME_NAME_DOS: a drive letter, links resolved.
    constexpr DWORD kNormalizedDosName = 0;
    if (finalPath == nullptr)
        return std::wstring();
    std::vector<wchar_t> path(MAX_PATH + 1);
    DWORD length =
        finalPath(handle, path.data(), static_cast<DWORD>(path.size()), kNormalizedDosName);
    if (length >= path.size()) {
        path.resize(length + 1);
        length =
            finalPath(handle, path.data(), static_cast<DWORD>(path.size()), kNormalizedDosName);
    }
    if (length == 0 || length >= path.size())
        return std::wstring();
    std::wstring text(path.data(), length);
    if (text.rfind(L"\\\\?\\UNC\\", 0) == 0)
        return L"\\" + text.substr(7);
    if (text.rfind(L"\\\\?\\", 0) == 0)
        return text.substr(4);
    return text;
}

HANDLE OpenWithoutFollowing(const std::string& path, DWORD flags) {
    const std::wstring wide = SystemPath(path);
    if (wide.empty())
        return INVALID_HANDLE_VALUE;
    return CreateFileW(wide.c_str(), FILE_READ_ATTRIBUTES,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, flags | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
}

std::wstring Folded(std::wstring text) {
    CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

} // namespace

std::int32_t RefusedLink(HANDLE file, const std::string& folder) {
    BY_HANDLE_FILE_INFORMATION information = {};
    if (GetFileInformationByHandle(file, &information)) {
        if ((information.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0)
            return ERROR_CANT_RESOLVE_FILENAME;
        if (information.nNumberOfLinks > 1)
            return ERROR_TOO_MANY_LINKS;
    }
    // A link the system shows as a plain file (a link of another file
    // system) still ends somewhere: it must end in the folder itself.
    const FileHandle place(OpenWithoutFollowing(folder, FILE_FLAG_BACKUP_SEMANTICS));
    const std::wstring filePath = FinalPath(file);
    const std::wstring folderPath = place.IsOpen() ? FinalPath(place.Get()) : std::wstring();
    if (filePath.empty() || folderPath.empty())
        return 0;
    const std::size_t last = filePath.find_last_of(L'\\');
    std::wstring fileFolder =
        last == std::wstring::npos ? std::wstring() : filePath.substr(0, last);
    std::wstring wantedFolder = folderPath;
    while (!wantedFolder.empty() && wantedFolder.back() == L'\\')
        wantedFolder.pop_back();
    return Folded(fileFolder) == Folded(wantedFolder) ? 0 : ERROR_CANT_RESOLVE_FILENAME;
}

bool FirstRefusal(const std::string& key) {
    static std::set<std::string> refused;
    return refused.insert(key).second;
}

} // namespace sw
