#include "remote/remote_sites_line.h"

#include "common/text_helpers.h"

#include <algorithm>

namespace sw {

void SplitList(std::string_view text, char separator, std::vector<std::string>& list) {
    if (text.empty())
        return;
    list.clear();
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        list.emplace_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
}

std::string JoinSites(const std::vector<std::string>& sites) {
    std::string line;
    for (const std::string& site : sites) {
        if (!line.empty())
            line += kSiteSeparator;
        line += site;
    }
    return line;
}

std::string SitesFileText(const std::vector<std::string>& sites) {
    return JoinSites(sites) + "\r\n";
}

std::vector<std::string> SitesFromFileText(std::string_view text) {
    std::vector<std::string> sites;
    std::vector<std::string> seen; // the entries in upper case
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        parts.clear();
        SplitList(text.substr(start, end - start), kSiteSeparator, parts);
        for (const std::string& part : parts) {
            std::string site = TrimSpaces(part);
            std::string key = UpperCase(site);
            if (site.empty() || std::find(seen.begin(), seen.end(), key) != seen.end())
                continue;
            seen.push_back(std::move(key));
            sites.push_back(std::move(site));
        }
        // CR LF ends one line, not two.
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return sites;
}

std::vector<std::string> WithSiteAdded(std::vector<std::string> sites, std::string_view site) {
    sites.push_back(TrimSpaces(site));
    return sites;
}

std::vector<std::string> WithSiteRemoved(const std::vector<std::string>& sites,
                                         std::string_view site) {
    const std::string removed = TrimSpaces(site);
    std::vector<std::string> kept;
    for (const std::string& entry : sites) {
        if (entry != removed)
            kept.push_back(entry);
    }
    return kept;
}

} // namespace sw
