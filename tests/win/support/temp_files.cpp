#include "support/temp_files.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace swtest {
namespace {

std::string UniqueTempPath(const std::string& suffix) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    static int counter = 0;
    return std::string(folder) + "swtest-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(++counter) + suffix;
}

void PutLittleEndian(std::string& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

HANDLE CreateForWriting(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE) << "cannot create " << path;
    return file;
}

void WriteAll(HANDLE file, const char* bytes, size_t size) {
    DWORD written = 0;
    EXPECT_TRUE(WriteFile(file, bytes, static_cast<DWORD>(size), &written, nullptr) &&
                written == size);
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
    HANDLE a = CreateFileA(pathA.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    HANDLE b = CreateFileA(pathB.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    bool same = a != INVALID_HANDLE_VALUE && b != INVALID_HANDLE_VALUE;
    std::vector<char> bufferA(1 << 20), bufferB(1 << 20);
    while (same) {
        DWORD gotA = 0, gotB = 0;
        same = ReadFile(a, bufferA.data(), 1 << 20, &gotA, nullptr) &&
               ReadFile(b, bufferB.data(), 1 << 20, &gotB, nullptr) && gotA == gotB &&
               std::equal(bufferA.begin(), bufferA.begin() + gotA, bufferB.begin());
        if (gotA == 0)
            break;
    }
    if (a != INVALID_HANDLE_VALUE)
        CloseHandle(a);
    if (b != INVALID_HANDLE_VALUE)
        CloseHandle(b);
    return same;
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TempFile::TempFile(const std::string& bytes, const std::string& suffix)
    : path_(UniqueTempPath(suffix)) {
    HANDLE file = CreateForWriting(path_);
    WriteAll(file, bytes.data(), bytes.size());
    CloseHandle(file);
}

TempFile::TempFile(unsigned long long size, const std::string& suffix)
    : path_(UniqueTempPath(suffix)) {
    HANDLE file = CreateForWriting(path_);
    std::vector<char> block(1 << 20);
    for (size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<char>(i * 31 + i / 251);
    for (unsigned long long left = size; left > 0;) {
        const size_t n = left < block.size() ? static_cast<size_t>(left) : block.size();
        WriteAll(file, block.data(), n);
        left -= n;
    }
    CloseHandle(file);
}

TempFile::~TempFile() {
    DeleteFileA(path_.c_str());
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
