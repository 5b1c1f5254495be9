// The one owner of unattended printing on the machine: the window or the
// service takes the machine-wide mutex before it prints the schedules and
// keeps it while its timer runs, so that the two never print at once. Each
// file's outcome is in the state files before the owner lets go, so a new
// owner that reads them afresh prints nothing twice and loses nothing.
#pragma once

#include <windows.h>

namespace sw {

class UnattendedOwnership {
  public:
    UnattendedOwnership() = default;
    ~UnattendedOwnership() { Release(); }
    UnattendedOwnership(const UnattendedOwnership&) = delete;
    UnattendedOwnership& operator=(const UnattendedOwnership&) = delete;

    // Takes the mutex when nobody holds it, without waiting. True when this
    // thread holds it now, also when it did already. The caller must then
    // read the state files afresh (ForgetUnattendedMemory): the other owner
    // may have printed meanwhile.
    bool TryTake();
    bool Held() const { return held_; }
    // Lets go, on the thread that took it; nothing when not held.
    void Release();

  private:
    HANDLE mutex_ = nullptr;
    bool held_ = false;
};

} // namespace sw
