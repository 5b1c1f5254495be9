#include "service/unattended_owner.h"

#include "service/service_names.h"

#include <sddl.h>

namespace sw {
namespace {

// The service (LocalSystem) and administrators may do anything with the
// mutex; signed-in users may wait for it and release it, so that a window
// of any user can take its turn. Without this the service's mutex would be
// closed to the window.
constexpr char kOwnerMutexAccess[] = "D:(A;;GA;;;SY)(A;;GA;;;BA)(A;;0x00100001;;;AU)";

HANDLE OpenOwnerMutex() {
    SECURITY_ATTRIBUTES attributes = {sizeof(attributes), nullptr, FALSE};
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (ConvertStringSecurityDescriptorToSecurityDescriptorA(kOwnerMutexAccess, SDDL_REVISION_1,
                                                             &descriptor, nullptr))
        attributes.lpSecurityDescriptor = descriptor;
    HANDLE mutex = CreateMutexA(&attributes, FALSE, kUnattendedOwnerMutex);
    if (mutex == nullptr)
        mutex = OpenMutexA(SYNCHRONIZE | MUTEX_MODIFY_STATE, FALSE, kUnattendedOwnerMutex);
    if (descriptor != nullptr)
        LocalFree(descriptor);
    return mutex;
}

} // namespace

bool UnattendedOwnership::TryTake() {
    if (held_)
        return true;
    if (mutex_ == nullptr)
        mutex_ = OpenOwnerMutex();
    if (mutex_ == nullptr)
        return false;
    // An owner that ended without letting go leaves the mutex abandoned: its
    // last file is in the state files' note, which the next scan reads.
    const DWORD waited = WaitForSingleObject(mutex_, 0);
    held_ = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
    return held_;
}

void UnattendedOwnership::Release() {
    if (held_)
        ReleaseMutex(mutex_);
    held_ = false;
    if (mutex_ != nullptr)
        CloseHandle(mutex_);
    mutex_ = nullptr;
}

} // namespace sw
