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

// GetFileInformationByHandleEx's classes and their layouts, which the
// headers declare only for Vista and later.
constexpr int kFileBasicInfo = 0;
constexpr int kFileStandardInfo = 1;
struct BasicInfo {
    LARGE_INTEGER creationTime;
    LARGE_INTEGER lastAccessTime;
    LARGE_INTEGER lastWriteTime;
    LARGE_INTEGER changeTime;
    DWORD fileAttributes;
};
struct StandardInfo {
    LARGE_INTEGER allocationSize;
    LARGE_INTEGER endOfFile;
    DWORD numberOfLinks;
    BOOLEAN deletePending;
    BOOLEAN directory;
};

using HandleInformationCall = BOOL(WINAPI*)(HANDLE, int, LPVOID, DWORD);

// Looked up at run time as well (Vista and later). Asked for only what it
// needs, the system leaves out the volume's serial number, which some
// systems look up afresh for every call.
HandleInformationCall HandleInformationFunction() {
    static const HandleInformationCall call =
        reinterpret_cast<HandleInformationCall>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetFileInformationByHandleEx")));
    return call;
}

struct LinkFacts {
    DWORD attributes = 0;
    DWORD links = 1;
};

bool FactsOf(HANDLE file, LinkFacts& facts) {
    const HandleInformationCall information = HandleInformationFunction();
    BasicInfo basic = {};
    StandardInfo standard = {};
    if (information != nullptr && information(file, kFileBasicInfo, &basic, sizeof(basic)) &&
        information(file, kFileStandardInfo, &standard, sizeof(standard))) {
        facts.attributes = basic.fileAttributes;
        facts.links = standard.numberOfLinks;
        return true;
    }
    BY_HANDLE_FILE_INFORMATION all = {};
    if (!GetFileInformationByHandle(file, &all))
        return false;
    facts.attributes = all.dwFileAttributes;
    facts.links = all.nNumberOfLinks;
    return true;
}

// The file's number on its volume (FILE_INTERNAL_INFORMATION), asked of the
// system's own layer: the calls above give it only with the volume's serial.
bool FileIndexOf(HANDLE file, std::int64_t& index) {
    struct IoStatus {
        void* pointer;
        ULONG_PTR information;
    };
    using QueryCall = LONG(WINAPI*)(HANDLE, IoStatus*, PVOID, ULONG, int);
    constexpr int kFileInternalInformation = 6;
    static const QueryCall query = reinterpret_cast<QueryCall>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationFile")));
    IoStatus status = {};
    LARGE_INTEGER number = {};
    if (query == nullptr ||
        query(file, &status, &number, sizeof(number), kFileInternalInformation) < 0)
        return false;
    index = number.QuadPart;
    return true;
}

} // namespace

std::wstring RealFolderPath(const std::string& folder) {
    const FileHandle place(OpenWithoutFollowing(folder, FILE_FLAG_BACKUP_SEMANTICS));
    std::wstring path = place.IsOpen() ? FinalPath(place.Get()) : std::wstring();
    while (!path.empty() && path.back() == L'\\')
        path.pop_back();
    return Folded(path);
}

std::int32_t RefusedLink(HANDLE file, const std::wstring& realFolder) {
    LinkFacts facts;
    if (FactsOf(file, facts)) {
        if ((facts.attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0)
            return ERROR_CANT_RESOLVE_FILENAME;
        if (facts.links > 1)
            return ERROR_TOO_MANY_LINKS;
    }
    // A link the system shows as a plain file (a link of another file
    // system) still ends somewhere: it must end in the folder itself.
    const std::wstring filePath = FinalPath(file);
    if (filePath.empty() || realFolder.empty())
        return 0;
    const std::size_t last = filePath.find_last_of(L'\\');
    const std::wstring fileFolder =
        last == std::wstring::npos ? std::wstring() : filePath.substr(0, last);
    return Folded(fileFolder) == realFolder ? 0 : ERROR_CANT_RESOLVE_FILENAME;
}

bool IsSameFile(HANDLE one, HANDLE other) {
    std::int64_t oneIndex = 0;
    std::int64_t otherIndex = 0;
    if (FileIndexOf(one, oneIndex) && FileIndexOf(other, otherIndex))
        return oneIndex == otherIndex;
    BY_HANDLE_FILE_INFORMATION oneAll = {};
    BY_HANDLE_FILE_INFORMATION otherAll = {};
    return GetFileInformationByHandle(one, &oneAll) &&
           GetFileInformationByHandle(other, &otherAll) &&
           oneAll.dwVolumeSerialNumber == otherAll.dwVolumeSerialNumber &&
           oneAll.nFileIndexHigh == otherAll.nFileIndexHigh &&
           oneAll.nFileIndexLow == otherAll.nFileIndexLow;
}

bool FirstRefusal(const std::string& key) {
    static std::set<std::string> refused;
    return refused.insert(key).second;
}

} // namespace sw
