#include "support/temp_files.h"

#include "support/file_writer.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>

namespace swtest {
namespace {

std::string UniqueName(const std::string& suffix) {
    static int counter = 0;
    return "swtest-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter) +
           suffix;
}

void PutLittleEndian(std::string& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

void RemoveFolder(const std::string& folder) {
    for (const std::string& name : FolderListing(folder)) {
        const std::string path = folder + "\\" + name;
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (!DeleteFileA(path.c_str()))
            RemoveFolder(path);
    }
    RemoveDirectoryA(folder.c_str());
}

} // namespace

std::string ReadWholeFile(const std::string& path) {
    std::string bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        ADD_FAILURE() << "cannot open " << path << ", error " << GetLastError();
        return bytes;
    }
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

bool SameContents(const std::string& pathA, const std::string& pathB) {
    return ReadWholeFile(pathA) == ReadWholeFile(pathB);
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<std::string> FolderListing(const std::string& folder, const std::string& pattern) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    const std::string separator = !folder.empty() && folder.back() == '\\' ? "" : "\\";
    HANDLE search = FindFirstFileA((folder + separator + pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

std::string TempPath() {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    return folder;
}

TempFile::TempFile(const std::string& bytes, const std::string& suffix)
    : path_(TempPath() + UniqueName(suffix)) {
    EXPECT_TRUE(WriteToFile(path_, bytes)) << "cannot write " << path_;
}

TempFile::TempFile(unsigned long long size, const std::string& suffix)
    : path_(TempPath() + UniqueName(suffix)) {
    std::string block(1 << 20, '\0');
    for (size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<char>(i * 31 + i / 251);
    bool written = WriteToFile(path_, "");
    for (unsigned long long left = size; written && left > 0;) {
        const size_t n = left < block.size() ? static_cast<size_t>(left) : block.size();
        written = WriteToFile(path_, block.substr(0, n), true);
        left -= n;
    }
    EXPECT_TRUE(written) << "cannot write " << path_;
}

TempFile::~TempFile() {
    DeleteFileA(path_.c_str());
}

TempFolder::TempFolder(const std::string& suffix, const std::string& parent)
    : path_((parent.empty() ? TempPath() : parent + "\\") + UniqueName(suffix)) {
    EXPECT_TRUE(CreateDirectoryA(path_.c_str(), nullptr)) << "cannot create " << path_;
}

TempFolder::~TempFolder() {
    RemoveFolder(path_);
}

std::string TempFolder::Write(const std::string& name, const std::string& bytes) const {
    const std::string path = In(name);
    EXPECT_TRUE(WriteToFile(path, bytes)) << "cannot write " << path;
    return path;
}

int BitmapRowBytes(int width) {
    return (width * 3 + 3) / 4 * 4;
}

std::string BitmapFileHeader(int width, int height) {
    const std::uint32_t pixelBytes = static_cast<std::uint32_t>(BitmapRowBytes(width) * height);
    std::string bytes = "BM";
    PutLittleEndian(bytes, 54 + pixelBytes, 4); // file size
    PutLittleEndian(bytes, 0, 4);
    PutLittleEndian(bytes, 54, 4); // where the pixels start
    PutLittleEndian(bytes, 40, 4); // info header size
    PutLittleEndian(bytes, static_cast<std::uint32_t>(width), 4);
    PutLittleEndian(bytes, static_cast<std::uint32_t>(height), 4);
    PutLittleEndian(bytes, 1, 2);  // planes
    PutLittleEndian(bytes, 24, 2); // bits per pixel
    for (int i = 0; i < 6; ++i)    // no compression, default sizes and colours
        PutLittleEndian(bytes, 0, 4);
    return bytes;
}

} // namespace swtest
