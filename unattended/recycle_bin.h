// Printed files go to the Recycle Bin through the shell, silently. A scan
// hands a batch of them to a thread of its own and goes on printing: it does
// not wait for the shell's work on one batch while it prints the next files.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace sw {

// One batch at a time, moved together on a thread of its own, each file's
// outcome its own: 0 for a file that left its folder; one the shell left in
// place is tried alone for its code.
class RecycleBinBatch {
  public:
    RecycleBinBatch() = default;
    ~RecycleBinBatch() { Finish(); }
    RecycleBinBatch(const RecycleBinBatch&) = delete;
    RecycleBinBatch& operator=(const RecycleBinBatch&) = delete;

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
