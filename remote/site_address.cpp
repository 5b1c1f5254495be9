#include "remote/site_address.h"

#include "common/text_helpers.h"
#include "remote/lpd_job.h"
#include "remote/site_entry.h"

#include <cstddef>

namespace sw {
namespace {

constexpr std::size_t kHostNameLimit = 253;
constexpr std::size_t kLabelLimit = 63;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsHexDigit(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool AllDigits(std::string_view text) {
    if (text.empty())
        return false;
    for (char c : text) {
        if (!IsDigit(c))
            return false;
    }
    return true;
}

// A decimal port from 1 to 65535; leading zeros are allowed, a sign is not.
std::optional<unsigned> ParsePort(std::string_view text) {
    if (!AllDigits(text) || text.size() > 5)
        return std::nullopt;
    unsigned port = 0;
    for (char c : text)
        port = port * 10 + static_cast<unsigned>(c - '0');
    if (port == 0 || port > 65535)
        return std::nullopt;
    return port;
}

bool IsLabel(std::string_view label) {
    if (label.empty() || label.size() > kLabelLimit || label.front() == '-' || label.back() == '-')
        return false;
    for (char c : label) {
        if (!IsLetter(c) && !IsDigit(c) && c != '-')
            return false;
    }
    return true;
}

bool IsHostName(std::string_view name) {
    if (name.empty() || name.size() > kHostNameLimit)
        return false;
    std::string_view lastLabel;
    std::size_t start = 0;
    for (;;) {
        const std::size_t dot = name.find('.', start);
        const std::string_view label =
            name.substr(start, dot == std::string_view::npos ? dot : dot - start);
        if (!IsLabel(label))
            return false;
        lastLabel = label;
        if (dot == std::string_view::npos)
            break;
        start = dot + 1;
    }
    // Numbers that are not a valid IPv4 address ("10.0.0.256") are mistakes,
    // not names.
    return !AllDigits(lastLabel) || IsIpv4Address(name);
}

std::optional<SiteAddress> HostWithPort(std::string_view host, std::string_view port, bool hasPort,
                                        unsigned defaultPort) {
    SiteAddress address;
    address.port = defaultPort;
    if (hasPort) {
        const std::optional<unsigned> number = ParsePort(port);
        if (!number)
            return std::nullopt;
        address.port = *number;
    }
    if (!IsIpv4Address(host) && !IsHostName(host))
        return std::nullopt;
    address.host = std::string(host);
    return address;
}

std::string PercentEncoded(std::string_view text) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (IsLetter(c) || IsDigit(c) || c == '-' || c == '.' || c == '_' || c == '~') {
            encoded += c;
        } else {
            encoded += '%';
            encoded += kHex[byte >> 4];
            encoded += kHex[byte & 0x0F];
        }
    }
    return encoded;
}

// A URI path: '/' and then unreserved characters, sub-delimiters, ':', '@',
// '/' and percent-encoded bytes; no blanks, controls, '|' or query.
bool IsUriPath(std::string_view path) {
    if (path.empty() || path.front() != '/')
        return false;
    static const std::string_view kAllowed = "-._~!$&'()*+,;=:@/";
    for (std::size_t i = 0; i < path.size(); ++i) {
        const char c = path[i];
        if (c == '%') {
            if (i + 2 >= path.size() || !IsHexDigit(path[i + 1]) || !IsHexDigit(path[i + 2]))
                return false;
            i += 2;
        } else if (!IsLetter(c) && !IsDigit(c) && kAllowed.find(c) == std::string_view::npos) {
            return false;
        }
    }
    return true;
}

// "host", "host:port", "a.b.c.d[:port]", "v6", "[v6]" or "[v6]:port"; the
// port is `defaultPort` when none is given.
std::optional<SiteAddress> ParseHostAndPort(std::string_view view, unsigned defaultPort);

} // namespace

bool IsIpv4Address(std::string_view text) {
    int parts = 0;
    std::size_t start = 0;
    for (;;) {
        const std::size_t dot = text.find('.', start);
        const std::string_view part =
            text.substr(start, dot == std::string_view::npos ? dot : dot - start);
        if (!AllDigits(part) || part.size() > 3)
            return false;
        const int value = std::stoi(std::string(part));
        if (value > 255)
            return false;
        ++parts;
        if (dot == std::string_view::npos)
            break;
        start = dot + 1;
    }
    return parts == 4;
}

bool IsIpv6Address(std::string_view text) {
    if (text.size() < 2 || text.size() > 45)
        return false;
    const std::size_t gap = text.find("::");
    if (gap != std::string_view::npos && text.find("::", gap + 1) != std::string_view::npos)
        return false;
    // Counts the 16-bit groups of one side of the gap; an IPv4 tail counts two.
    auto countGroups = [](std::string_view side, bool mayEndInIpv4, int& groups) {
        groups = 0;
        if (side.empty())
            return true;
        std::size_t start = 0;
        for (;;) {
            const std::size_t colon = side.find(':', start);
            const std::string_view group =
                side.substr(start, colon == std::string_view::npos ? colon : colon - start);
            if (colon == std::string_view::npos && mayEndInIpv4 &&
                group.find('.') != std::string_view::npos) {
                if (!IsIpv4Address(group))
                    return false;
                groups += 2;
                return true;
            }
            if (group.empty() || group.size() > 4)
                return false;
            for (char c : group) {
                if (!IsHexDigit(c))
                    return false;
            }
            ++groups;
            if (colon == std::string_view::npos)
                return true;
            start = colon + 1;
        }
    };
    int before = 0, after = 0;
    if (gap == std::string_view::npos)
        return countGroups(text, true, before) && before == 8;
    return countGroups(text.substr(0, gap), false, before) &&
           countGroups(text.substr(gap + 2), true, after) && before + after <= 7;
}

namespace {

std::optional<SiteAddress> ParseHostAndPort(std::string_view view, unsigned defaultPort) {
    const std::string text(view);
    if (!view.empty() && view.front() == '[') {
        const std::size_t close = view.find(']');
        if (close == std::string_view::npos)
            return std::nullopt;
        SiteAddress address;
        address.port = defaultPort;
        address.host = std::string(view.substr(1, close - 1));
        address.ipv6 = true;
        if (!IsIpv6Address(address.host))
            return std::nullopt;
        const std::string_view rest = view.substr(close + 1);
        if (rest.empty())
            return address;
        if (rest.front() != ':')
            return std::nullopt;
        const std::optional<unsigned> port = ParsePort(rest.substr(1));
        if (!port)
            return std::nullopt;
        address.port = *port;
        return address;
    }
    const std::size_t colon = view.find(':');
    if (colon != std::string_view::npos && view.find(':', colon + 1) != std::string_view::npos) {
        if (!IsIpv6Address(view))
            return std::nullopt;
        SiteAddress address;
        address.port = defaultPort;
        address.host = text;
        address.ipv6 = true;
        return address;
    }
    if (colon == std::string_view::npos)
        return HostWithPort(view, std::string_view(), false, defaultPort);
    return HostWithPort(view.substr(0, colon), view.substr(colon + 1), true, defaultPort);
}

} // namespace

std::optional<SiteAddress> ParseSiteAddress(std::string_view site) {
    const std::string text = TrimSpaces(site);
    std::string_view view(text);
    bool tls = false;
    const std::size_t schemeEnd = view.find("://");
    if (schemeEnd == std::string_view::npos)
        return ParseHostAndPort(view, kIppPort);
    const std::string scheme = UpperCase(view.substr(0, schemeEnd));
    if (scheme == "SOCKET") {
        // A printer's port takes bytes only: nothing may follow the address.
        std::optional<SiteAddress> address =
            ParseHostAndPort(view.substr(schemeEnd + 3), kAppSocketPort);
        if (address)
            address->appSocket = true;
        return address;
    }
    if (scheme == "LPD") {
        // A daemon's queue: the address, '/' and the queue's name, nothing more.
        view.remove_prefix(schemeEnd + 3);
        const std::size_t slash = view.find('/');
        if (slash == std::string_view::npos || !IsLpdQueueName(view.substr(slash + 1)))
            return std::nullopt;
        std::optional<SiteAddress> address = ParseHostAndPort(view.substr(0, slash), kLpdPort);
        if (address)
            address->lpdQueue = std::string(view.substr(slash + 1));
        return address;
    }
    if (scheme == "IPPS")
        tls = true;
    else if (scheme != "IPP")
        return std::nullopt;
    view.remove_prefix(schemeEnd + 3);
    const std::size_t slash = view.find('/');
    std::optional<SiteAddress> address = ParseHostAndPort(view.substr(0, slash), kIppPort);
    if (!address)
        return std::nullopt;
    address->tls = tls;
    if (slash != std::string_view::npos) {
        const std::string_view path = view.substr(slash);
        if (!IsUriPath(path))
            return std::nullopt;
        if (path != "/")
            address->path = std::string(path);
    }
    return address;
}

std::string HostAndPort(const SiteAddress& address) {
    const std::string host = address.ipv6 ? "[" + address.host + "]" : address.host;
    return host + ":" + std::to_string(address.port);
}

std::string SiteOrigin(const SiteAddress& address) {
    return (address.tls ? "ipps://" : "ipp://") + HostAndPort(address);
}

std::string SiteUri(const SiteAddress& address) {
    return SiteOrigin(address) + address.path;
}

std::string PrinterResource(const SiteAddress& address, std::string_view printer) {
    if (NamesPrinter(address))
        return address.path;
    return "/printers/" + PercentEncoded(printer);
}

std::string PrinterUri(const SiteAddress& address, std::string_view printer) {
    return SiteOrigin(address) + PrinterResource(address, printer);
}

std::string RemotePrinterItem(std::string_view site, std::string_view printer) {
    return std::string(site) + ":" + std::string(printer);
}

std::optional<RemotePrinterName> SplitRemotePrinterItem(std::string_view item) {
    const std::size_t colon = item.rfind(':');
    if (colon == std::string_view::npos || colon == 0 || colon + 1 == item.size())
        return std::nullopt;
    return RemotePrinterName{std::string(item.substr(0, colon)),
                             std::string(item.substr(colon + 1))};
}

namespace {

bool IsUsableEntry(std::string_view entry) {
    const std::optional<SiteEntry> read = ReadSiteEntry(entry);
    return read && ParseSiteAddress(read->site);
}

} // namespace

std::vector<std::string> UnusableSites(const std::vector<std::string>& sites) {
    std::vector<std::string> unusable;
    for (const std::string& site : sites) {
        if (!IsUsableEntry(site))
            unusable.push_back(site);
    }
    return unusable;
}

std::vector<std::string> UsableSites(const std::vector<std::string>& sites) {
    std::vector<std::string> usable;
    for (const std::string& site : sites) {
        if (IsUsableEntry(site))
            usable.push_back(site);
    }
    return usable;
}

bool IsPrinterOfListedSite(std::string_view item, const std::vector<std::string>& sites) {
    const std::optional<RemotePrinterName> name = SplitRemotePrinterItem(item);
    if (!name)
        return false;
    const std::string site = UpperCase(name->site);
    for (const std::string& entry : sites) {
        if (UpperCase(SiteOfEntry(entry)) == site)
            return true;
    }
    return false;
}

} // namespace sw
