#include "unattended/pause_text.h"

namespace sw {
namespace {

// ERROR_HANDLE_DISK_FULL and ERROR_DISK_FULL, without the Windows headers.
constexpr std::uint32_t kHandleDiskFull = 39;
constexpr std::uint32_t kDiskFull = 112;

} // namespace

std::string PausedIndicatorText(std::uint32_t error) {
    const char* const reason = error == kDiskFull || error == kHandleDiskFull
                                   ? "the disk is full"
                                   : "its records cannot be written";
    return std::string("Unattended printing: paused, ") + reason + " (" + std::to_string(error) +
           ")";
}

} // namespace sw
