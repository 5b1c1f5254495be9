// Run by the 64-bit package before it installs: when the 32-bit package was
// installed (its folder is recorded in the 32-bit view of the registry), the
// files the program keeps beside itself move from that folder to the new one,
// so that schedules, what unattended printing printed and the event log stay.
//   move_program_data.exe "NEW FOLDER\."
// (the "." keeps the folder's last backslash from escaping the quote).
// A file that a standard user had, which Windows kept in that user's
// VirtualStore for the 32-bit program, is the one the user saw: it is the one
// that moves. A file the new folder already has is kept as it is. The
// settings and the remote sites, in the Windows folder, stay where they are.
// Nothing to move is not an error: the exit code is always 0.
#include <windows.h>

#include <shlobj.h>

#include <cstdlib>
#include <string>

namespace {

// What the program keeps beside itself: schedules and their scratch copy,
// the two state files of unattended printing and the event log.
const char* const kProgramDataFiles[] = {"sw.dat", "swb.dat", "swprinted.dat", "swprinting.dat",
                                         "Unattended.txt"};

std::string WithBackslash(std::string folder) {
    if (!folder.empty() && folder.back() != '\\')
        folder += '\\';
    return folder;
}

// The 32-bit package's folder, or empty when it was never installed.
std::string FolderOf32BitPackage() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Spoolwright\\Installer", 0,
                      KEY_QUERY_VALUE | KEY_WOW64_32KEY, &key) != ERROR_SUCCESS)
        return {};
    char folder[MAX_PATH + 1] = {};
    DWORD size = MAX_PATH;
    DWORD type = 0;
    const LONG status = RegQueryValueExA(key, "InstallLocation", nullptr, &type,
                                         reinterpret_cast<BYTE*>(folder), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || type != REG_SZ)
        return {};
    return WithBackslash(folder);
}

// Where Windows keeps the user's own copies of files in `folder` ("C:\...").
std::string VirtualStoreOf(const std::string& folder) {
    char localAppData[MAX_PATH] = {};
    if (folder.size() < 3 || folder[1] != ':' ||
        SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, localAppData) !=
            S_OK)
        return {};
    return std::string(localAppData) + "\\VirtualStore\\" + folder.substr(3);
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void MoveProgramData(const std::string& from, const std::string& to) {
    const std::string userCopies = VirtualStoreOf(from);
    SHCreateDirectoryExA(nullptr, to.c_str(), nullptr);
    for (const char* name : kProgramDataFiles) {
        std::string source = from + name;
        if (!userCopies.empty() && Exists(userCopies + name))
            source = userCopies + name;
        if (Exists(source) && !Exists(to + name))
            MoveFileExA(source.c_str(), (to + name).c_str(), MOVEFILE_COPY_ALLOWED);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (__argc != 2)
        return 0;
    const std::string from = FolderOf32BitPackage();
    char folder[MAX_PATH] = {};
    const DWORD length = GetFullPathNameA(__argv[1], MAX_PATH, folder, nullptr);
    if (length == 0 || length >= MAX_PATH)
        return 0;
    const std::string to = WithBackslash(folder);
    if (!from.empty() && to.size() > 1 && lstrcmpiA(from.c_str(), to.c_str()) != 0)
        MoveProgramData(from, to);
    return 0;
}
