#include "remote/remote_sites_file.h"

#include "common/path_helpers.h"
#include "remote/remote_sites_line.h"

#include <windows.h>

#include <imagehlp.h>

namespace sw {
namespace {

// A sites file is one short line; anything this large is not one.
constexpr DWORD kLargestSitesFile = 4 * 1024 * 1024;

} // namespace

bool EnsureFolderOf(const std::string& path) {
    return MakeSureDirectoryPathExists(path.c_str()) != FALSE;
}

std::optional<std::vector<std::string>> ReadSitesFile(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            return std::vector<std::string>();
        return std::nullopt;
    }
    std::optional<std::vector<std::string>> sites;
    DWORD high = 0;
    const DWORD size = GetFileSize(file, &high);
    if (size != INVALID_FILE_SIZE && high == 0 && size <= kLargestSitesFile) {
        std::string text(size, '\0');
        DWORD read = 0;
        if (size == 0 || (ReadFile(file, &text[0], size, &read, nullptr) && read == size))
            sites = SitesFromFileText(text);
    }
    CloseHandle(file);
    return sites;
}

bool WriteSitesFile(const std::string& path, const std::vector<std::string>& sites) {
    std::string folder = FolderPart(path);
    if (folder.empty())
        folder = ".\\";
    char scratch[MAX_PATH] = {};
    if (GetTempFileNameA(folder.c_str(), "swr", 0, scratch) == 0)
        return false;
    const std::string text = SitesFileText(sites);
    bool written = false;
    HANDLE file = CreateFileA(scratch, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD done = 0;
        written = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &done, nullptr) &&
                  done == text.size() && FlushFileBuffers(file);
        written = CloseHandle(file) && written;
    }
    if (written)
        written = MoveFileExA(scratch, path.c_str(),
                              MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
    if (!written)
        DeleteFileA(scratch);
    return written;
}

bool AddSiteToFile(const std::string& path, std::string_view site) {
    if (!EnsureFolderOf(path))
        return false;
    const std::optional<std::vector<std::string>> sites = ReadSitesFile(path);
    return sites && WriteSitesFile(path, WithSiteAdded(*sites, site));
}

bool RemoveSiteFromFile(const std::string& path, std::string_view site) {
    if (!EnsureFolderOf(path))
        return false;
    const std::optional<std::vector<std::string>> sites = ReadSitesFile(path);
    return sites && WriteSitesFile(path, WithSiteRemoved(*sites, site));
}

} // namespace sw
