// Feeds arbitrary file texts and site texts to the remote sites line format
// and the site address parser: nothing crashes, a written list reads back as
// itself when no entry is empty at its front or holds a separator or a line
// break, and an accepted site has a host that is accepted again, a path
// free of blanks and separators, and a URI that reads back as the same site;
// a daemon's queue is a queue name that reads back as the same queue; an
// entry's options never leave a blank in its site or a wait past the longest.
#include "fuzz_check.h"
#include "remote/lpd_job.h"
#include "remote/remote_sites_line.h"
#include "remote/site_address.h"
#include "remote/site_entry.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input = swfuzz::Text(data, size);
    const std::vector<std::string> sites = sw::SitesFromFileText(input);

    bool plain = sites.empty() || !sites.front().empty();
    for (const std::string& site : sites)
        plain = plain && site.find_first_of("|\r\n") == std::string::npos;
    swfuzz::CrashIf(plain && !(sites.size() == 1 && sites.front().empty()) &&
                    sw::SitesFromFileText(sw::SitesFileText(sites)) != sites);

    for (const std::string& site : sites) {
        const auto address = sw::ParseSiteAddress(site);
        swfuzz::CrashIf(address && (address->host.empty() ||
                                    address->host.find_first_of(" /@\r\n") != std::string::npos ||
                                    address->port == 0 || address->port > 65535 ||
                                    address->path.find_first_of(" |\r\n?#") != std::string::npos));
        if (address) {
            const auto again = sw::ParseSiteAddress(sw::SiteUri(*address));
            swfuzz::CrashIf(!again || again->host != address->host ||
                            again->port != address->port || again->tls != address->tls ||
                            again->path != address->path);
        }
        if (address && sw::IsLpdSite(*address)) {
            swfuzz::CrashIf(!sw::IsLpdQueueName(address->lpdQueue));
            const auto again = sw::ParseSiteAddress("lpd://" + sw::HostAndPort(*address) + "/" +
                                                    address->lpdQueue);
            swfuzz::CrashIf(!again || again->host != address->host ||
                            again->port != address->port || again->lpdQueue != address->lpdQueue);
        }
        const auto entry = sw::ReadSiteEntry(site);
        swfuzz::CrashIf(entry && (entry->site.find_first_of(" \t") != std::string::npos ||
                                  entry->followSeconds > sw::kLongestFollowSeconds));
        swfuzz::CrashIf(entry && sw::SiteOfEntry(site) != entry->site);
        const auto name = sw::SplitRemotePrinterItem(site);
        swfuzz::CrashIf(name && sw::RemotePrinterItem(name->site, name->printer) != site);
    }
    sw::WithSiteRemoved(sw::WithSiteAdded(sites, input), input);
    return 0;
}
