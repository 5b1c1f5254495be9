#include "unattended/file_sightings.h"

#include "common/text_helpers.h"

namespace sw {

bool FileSightings::Settled(const std::string& path, const FileVersion& version, std::uint64_t pass,
                            std::uint64_t now) {
    Sighting& sighting = seen_[UpperCase(path)];
    if (sighting.lastPass == 0 || sighting.version != version) {
        sighting = {version, pass, pass};
        return false;
    }
    if (pass > sighting.lastPass)
        sighting.lastPass = pass;
    // A last write time in the future (another machine's clock) is not old.
    return sighting.firstPass < pass && version.lastWrite <= now &&
           now - version.lastWrite >= kSettledAge;
}

void FileSightings::ForgetUnseenSince(std::uint64_t pass) {
    for (auto it = seen_.begin(); it != seen_.end();) {
        if (it->second.lastPass < pass)
            it = seen_.erase(it);
        else
            ++it;
    }
}

} // namespace sw
