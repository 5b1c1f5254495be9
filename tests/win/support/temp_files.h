// Files and folders that tests print from and write to, removed when the
// test ends, and the reading side of files.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace swtest {

std::string ReadWholeFile(const std::string& path);
bool SameContents(const std::string& pathA, const std::string& pathB);
bool FileExists(const std::string& path);

// The files and folders of a folder that match `pattern`, other than "."
// and "..", in the order the file system lists them.
std::vector<std::string> FolderListing(const std::string& folder, const std::string& pattern = "*");

// The TEMP folder, with a trailing backslash.
std::string TempPath();

// The 54-byte file and info headers of an uncompressed 24-bit bitmap file of
// `width` x `height` pixels; the pixel rows (bottom row first, each padded
// to 4 bytes) follow it.
std::string BitmapFileHeader(int width, int height);
// The bytes a row of such a bitmap takes, padding included.
int BitmapRowBytes(int width);

// A file in the TEMP folder holding the given bytes, deleted at scope end.
class TempFile {
  public:
    explicit TempFile(const std::string& bytes, const std::string& suffix = ".prn");
    // A file of `size` bytes of a repeating pattern, written in blocks.
    TempFile(unsigned long long size, const std::string& suffix);
    ~TempFile();
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

// A new, empty folder in `parent` (the TEMP folder when empty) whose name
// ends in `suffix`, removed with everything in it at scope end.
class TempFolder {
  public:
    explicit TempFolder(const std::string& suffix = "", const std::string& parent = "");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder, without a trailing backslash.
    const std::string& Path() const { return path_; }
    std::string In(const std::string& name) const { return path_ + "\\" + name; }
    // Writes a file of the given bytes into the folder; its path.
    std::string Write(const std::string& name, const std::string& bytes) const;

  private:
    std::string path_;
};

// Puts the process's current folder back as it was, at scope end.
class CurrentFolderKeeper {
  public:
    CurrentFolderKeeper() { GetCurrentDirectoryA(MAX_PATH, saved_); }
    ~CurrentFolderKeeper() { SetCurrentDirectoryA(saved_); }
    CurrentFolderKeeper(const CurrentFolderKeeper&) = delete;
    CurrentFolderKeeper& operator=(const CurrentFolderKeeper&) = delete;

  private:
    char saved_[MAX_PATH] = {};
};

} // namespace swtest
