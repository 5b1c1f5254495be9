// Files that tests print, removed when the test ends.
#pragma once

#include <string>

namespace swtest {

std::string ReadWholeFile(const std::string& path);
bool SameContents(const std::string& pathA, const std::string& pathB);
bool FileExists(const std::string& path);

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

} // namespace swtest
