#include "unattended/file_sightings.h"

#include "common/text_helpers.h"

namespace sw {

int SettleSecondsFrom(std::string_view text) {
    const std::string trimmed = TrimSpaces(text);
    std::size_t digits = trimmed.empty() || trimmed[0] != '-' ? 0 : 1;
    if (digits == trimmed.size())
        return kDefaultSettleSeconds;
    long long value = 0;
    for (std::size_t i = digits; i < trimmed.size(); ++i) {
        if (trimmed[i] < '0' || trimmed[i] > '9')
            return kDefaultSettleSeconds;
        if (value <= kMostSettleSeconds)
            value = value * 10 + (trimmed[i] - '0');
    }
    if (digits == 1 || value < kFewestSettleSeconds)
        return kFewestSettleSeconds;
    return value > kMostSettleSeconds ? kMostSettleSeconds : static_cast<int>(value);
}

bool FileSightings::Settled(const std::string& path, const FileVersion& version, std::uint64_t pass,
                            std::uint64_t now, int settleSeconds) {
    Sighting& sighting = seen_[UpperCase(path)];
    if (sighting.lastPass == 0 || sighting.version != version) {
        sighting = {version, pass, pass};
        return false;
    }
    if (pass > sighting.lastPass)
        sighting.lastPass = pass;
    // A last write time in the future (another machine's clock) is not old.
    return sighting.firstPass < pass && version.lastWrite <= now &&
           now - version.lastWrite >= static_cast<std::uint64_t>(settleSeconds) * kTicksPerSecond;
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
