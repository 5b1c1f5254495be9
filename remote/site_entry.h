// An entry of "SWRemote.txt": a site's address, and after it, apart by
// blanks, the site's options. "wait=SECONDS" says how long a job sent to an
// IPP site is followed until it has printed (1 to kLongestFollowSeconds);
// "wait=accepted" (or "wait=0") ends a job once the site took it. The
// address alone is the site: its printers are listed as "address:printer"
// and its sign-in is stored for it, so that an entry written without options
// keeps its meaning. Portable, so that the rules are unit-tested on the host.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sw {

// A job is followed for five minutes when its site's entry says nothing.
inline constexpr std::uint32_t kDefaultFollowSeconds = 300;
inline constexpr std::uint32_t kLongestFollowSeconds = 3600;

struct SiteEntry {
    std::string site; // the address as written, without blanks at its ends
    // How long a job is followed after the site took it; 0: not at all.
    std::uint32_t followSeconds = kDefaultFollowSeconds;
};

// The entry's address and options; nothing when an option is not one of
// these (a typing error), or an option is given twice. The address itself is
// not checked here (ParseSiteAddress).
std::optional<SiteEntry> ReadSiteEntry(std::string_view entry);

// The site an entry names: its address, or the whole trimmed entry when its
// options do not read (such an entry is refused as a whole).
std::string SiteOfEntry(std::string_view entry);

// The follow wait of `site` (as listed, letter case aside) in the entries of
// a sites file; the default for a site that none of them names.
std::uint32_t FollowSecondsOfSite(const std::vector<std::string>& entries, std::string_view site);

} // namespace sw
