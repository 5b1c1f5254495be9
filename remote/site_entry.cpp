#include "remote/site_entry.h"

#include "common/text_helpers.h"

namespace sw {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The option's value: a whole number of seconds, or "accepted" in any
// letter case; nothing for anything else.
std::optional<std::uint32_t> FollowSeconds(std::string_view value) {
    if (UpperCase(value) == "ACCEPTED")
        return 0u;
    if (value.empty() || value.size() > 5)
        return std::nullopt;
    std::uint32_t seconds = 0;
    for (char c : value) {
        if (c < '0' || c > '9')
            return std::nullopt;
        seconds = seconds * 10 + static_cast<std::uint32_t>(c - '0');
    }
    if (seconds > kLongestFollowSeconds)
        return std::nullopt;
    return seconds;
}

} // namespace

std::optional<SiteEntry> ReadSiteEntry(std::string_view entry) {
    const std::string text = TrimSpaces(entry);
    std::size_t at = 0;
    while (at < text.size() && !IsBlank(text[at]))
        ++at;
    SiteEntry read;
    read.site = text.substr(0, at);
    bool waitGiven = false;
    while (at < text.size()) {
        while (at < text.size() && IsBlank(text[at]))
            ++at;
        const std::size_t start = at;
        while (at < text.size() && !IsBlank(text[at]))
            ++at;
        if (start == at)
            break;
        const std::string option = text.substr(start, at - start);
        const std::size_t equals = option.find('=');
        if (equals == std::string::npos || UpperCase(option.substr(0, equals)) != "WAIT" ||
            waitGiven)
            return std::nullopt;
        const std::optional<std::uint32_t> seconds = FollowSeconds(option.substr(equals + 1));
        if (!seconds)
            return std::nullopt;
        read.followSeconds = *seconds;
        waitGiven = true;
    }
    return read;
}

std::string SiteOfEntry(std::string_view entry) {
    const std::optional<SiteEntry> read = ReadSiteEntry(entry);
    return read ? read->site : TrimSpaces(entry);
}

std::uint32_t FollowSecondsOfSite(const std::vector<std::string>& entries, std::string_view site) {
    const std::string wanted = UpperCase(TrimSpaces(site));
    for (const std::string& entry : entries) {
        const std::optional<SiteEntry> read = ReadSiteEntry(entry);
        if (read && UpperCase(read->site) == wanted)
            return read->followSeconds;
    }
    return kDefaultFollowSeconds;
}

} // namespace sw
