#include "common/program_folder.h"

#include "common/path_helpers.h"

#include <windows.h>

#include <vector>

namespace sw {
namespace {

// The longest path the system's wide functions take.
constexpr std::size_t kLongestPath = 32768;

} // namespace

std::string ProgramPath() {
    // A path can be longer than MAX_PATH: the buffer grows until it fits,
    // since a path cut short would name another folder.
    std::vector<char> path(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return std::string();
        if (length < path.size())
            return std::string(path.data(), length);
        if (path.size() >= kLongestPath)
            return std::string();
        path.resize(path.size() * 2);
    }
}

std::string ProgramFolder() {
    const std::string path = ProgramPath();
    return path.empty() ? std::string() : AddTrailingBackslash(FolderPart(path));
}

} // namespace sw
