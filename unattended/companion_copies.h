// The copies of watched files that unattended printing hands to the
// companion. The companion reads a file when its turn comes, on a thread of
// its own, after the hand-over: the original may be moved to the Recycle Bin
// or changed by then, so it gets a copy that nothing else touches, under its
// own name (which names the job) in a folder of its own in TEMP. Copies are
// removed a day later, when the companion has long finished with them.
#pragma once

#include <cstdint>
#include <string>

namespace sw {

// Copies `path` to a new folder in TEMP "Spoolwright remote jobs" as `name`;
// `copy` receives its path. Returns 0, or the system's code when the copy
// could not be made.
std::int32_t CopyForCompanion(const std::string& path, const std::string& name, std::string& copy);

// Removes the copies made more than a day ago.
void RemoveOldCompanionCopies();

} // namespace sw
