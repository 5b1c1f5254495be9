// Printed files go to the Recycle Bin through the shell, silently. A scan
// hands a batch of them to a thread of its own and goes on printing: the
// shell's work on one batch costs the printing of the next files nothing.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace sw {

// Moves the file to the Recycle Bin, silently. Returns 0 when the file left
// its folder, otherwise the shell's or the system's code.
std::int32_t SendToRecycleBin(const std::string& path);

// Moves the files to the Recycle Bin, silently, in one call of the shell.
// Which of them left their folder is for the caller to look: a file the
// shell could not take stays where it is.
void SendAllToRecycleBin(const std::vector<std::string>& paths);

// The files (full paths) moved together, each one's outcome its own: 0 for
// a file that left its folder; one the shell left in place is tried alone
// for its code.
std::vector<std::int32_t> MoveAllToRecycleBin(const std::vector<std::string>& paths);

// One batch at a time, moved by MoveAllToRecycleBin on a thread of its own.
class RecycleBinBatch {
  public:
    RecycleBinBatch() = default;
    ~RecycleBinBatch() { Finish(); }
    RecycleBinBatch(const RecycleBinBatch&) = delete;
    RecycleBinBatch& operator=(const RecycleBinBatch&) = delete;

    bool Busy() const { return thread_ != nullptr; }
    // Starts moving `paths` (full paths) once the batch under way is
    // finished; moves them at once when no thread can be started.
    void Start(std::vector<std::string> paths);
    // Waits for the batch under way and gives each of its paths' codes, in
    // order; nothing when none is under way. While it waits, messages that
    // other threads send to this thread's windows are answered: the shell
    // may send some, and must never wait for a thread that waits for it.
    std::vector<std::int32_t> Finish();

  private:
    static DWORD WINAPI Run(LPVOID self);

    std::vector<std::string> paths_;
    std::vector<std::int32_t> codes_;
    HANDLE thread_ = nullptr;
};

} // namespace sw
