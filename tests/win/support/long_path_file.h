// A file at a path longer than 259 characters, for the tests of long paths:
// the test's own calls go through the wide functions with the "\\?\" form,
// which take such paths everywhere.
#pragma once

#include "support/print_server.h"

#include <windows.h>

#include <string>
#include <vector>

namespace swtest {

inline std::wstring WideOf(const std::string& text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], length);
    wide.resize(wide.size() - 1);
    return wide;
}

// A file at a path of more than 300 characters: three nested folders of 90
// characters each in the run folder. The test's own calls go through the
// wide functions with the "\\?\" form, which take such paths everywhere.
class LongPathFile {
  public:
    explicit LongPathFile(const std::string& bytes) {
        std::string path = swtest::RunFolder();
        for (const char letter : std::string("abc")) {
            path += "\\" + std::string(90, letter);
            CreateDirectoryW((L"\\\\?\\" + WideOf(path)).c_str(), nullptr);
            folders_.insert(folders_.begin(), path);
        }
        path_ = path + "\\long report.prn";
        const HANDLE file = CreateFileW((L"\\\\?\\" + WideOf(path_)).c_str(), GENERIC_WRITE, 0,
                                        nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }
    ~LongPathFile() {
        DeleteFileW((L"\\\\?\\" + WideOf(path_)).c_str());
        for (const std::string& folder : folders_)
            RemoveDirectoryW((L"\\\\?\\" + WideOf(folder)).c_str());
    }
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
    std::vector<std::string> folders_;
};

} // namespace swtest
