// The file a scan prints, held open from its check until its print and its
// move are done. It is opened without following a link, for reading, and
// refuses others writing, deleting or renaming it meanwhile: the name the
// print and the move use names the file that was checked all along.
#pragma once

#include "unattended/file_version.h"

#include <windows.h>

#include <cstdint>
#include <string>

namespace sw {

class HeldFile {
  public:
    explicit HeldFile(const std::string& path);
    ~HeldFile() { Close(); }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;

    bool IsOpen() const { return file_ != INVALID_HANDLE_VALUE; }
    // The system's code of a failed open.
    DWORD OpenError() const { return error_; }
    // True when another program writes the file (or holds it open without
    // letting others read): it may be half written.
    bool IsBeingWritten() const {
        return error_ == ERROR_SHARING_VIOLATION || error_ == ERROR_LOCK_VIOLATION;
    }
    // RefusedLink's code for the file held, in the folder whose real path
    // is `realFolder` (RealFolderPath).
    std::int32_t Refusal(const std::wstring& realFolder) const;
    // True when the file held has the size and last write time the scan listed.
    bool Is(const FileVersion& version) const;
    // Lets go of the file, for the shell's sake, once the name `path` still
    // names the file held, a plain one of the folder whose real path is
    // `realFolder`: then 0, and it may be moved to the Recycle Bin by that
    // name. Otherwise the open's code, RefusedLink's for the name, or
    // ERROR_FILE_INVALID when the name names another file.
    std::int32_t LetGoForMove(const std::string& path, const std::wstring& realFolder);

  private:
    void Close();

    HANDLE file_ = INVALID_HANDLE_VALUE;
    DWORD error_ = 0;
};

} // namespace sw
