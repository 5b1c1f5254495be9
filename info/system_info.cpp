#include "info/system_info.h"

#include "common/program_process.h"
#include "common/word_pad_rules.h"

namespace sw {
namespace {

constexpr DWORD kValueBufferSize = 1024;

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// Started and left to run on its own.
void StartProgram(const std::string& path) {
    const ProgramProcess started(Quoted(path), SW_SHOWNORMAL, path);
}

} // namespace

bool ReadRegistryText(HKEY root, const char* keyPath, const char* valueName, std::string& text) {
    text.clear();
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, keyPath, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return false;
    char value[kValueBufferSize + 1] = {};
    DWORD type = 0, size = kValueBufferSize;
    const LONG result =
        RegQueryValueExA(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || type != REG_SZ)
        return false;
    // A stored text need not end in a zero byte.
    text.assign(value, strnlen(value, size));
    return true;
}

void ShowSystemInfo() {
    std::string path;
    if (ReadRegistryText(HKEY_LOCAL_MACHINE, kSystemInfoKey, kSystemInfoValue, path) &&
        !path.empty()) {
        StartProgram(path);
        return;
    }
    std::string folder;
    if (ReadRegistryText(HKEY_LOCAL_MACHINE, kSharedToolsKey, kSharedToolsValue, folder) &&
        FileExists(folder + kSystemInfoProgram))
        StartProgram(folder + kSystemInfoProgram);
}

} // namespace sw
