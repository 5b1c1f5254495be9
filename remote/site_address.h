// Where a remote site is: the text of an entry of "SWRemote.txt" read as a
// print server ("host[:port]", "ipp://host[:port]", "ipps://host[:port]"), as
// one printer's resource ("ipp://host:port/ipp/print"), as a printer's raw
// TCP port ("socket://host[:port]", AppSocket) or as a queue of a Line
// Printer Daemon ("lpd://host[:port]/queue"), and the names of
// its printers as the companion lists them ("site:printer"). A site text that
// is none of these is refused here, before anything is sent.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sw {

// The port of a print server's IPP service.
inline constexpr unsigned kIppPort = 631;
// The port of a printer's raw TCP service (AppSocket, also called JetDirect).
inline constexpr unsigned kAppSocketPort = 9100;
// The one printer of an AppSocket site, as the companion lists it.
inline constexpr char kAppSocketPrinter[] = "AppSocket";

struct SiteAddress {
    std::string host; // a host name, dotted IPv4 or IPv6 (without brackets)
    unsigned port = kIppPort;
    bool ipv6 = false;
    bool tls = false; // "ipps://": the conversation is encrypted
    // The resource of one printer ("/ipp/print"); empty for a print server,
    // whose printers are listed and addressed as "/printers/NAME".
    std::string path;
    // "socket://": the job's bytes go over a TCP connection of their own,
    // with no protocol around them; such a site is one printer.
    bool appSocket = false;
    // "lpd://": the queue of a Line Printer Daemon the job is sent to; such a
    // site is one printer, listed under the queue's name. Empty for the others.
    std::string lpdQueue;
};

// Accepts, after trimming spaces: "host", "host:port", "a.b.c.d", "a.b.c.d:port",
// an IPv6 address alone or as "[v6]" or "[v6]:port"; each of these may follow
// "ipp://" or "ipps://" (the scheme in any letter case), and then be followed
// by a path of URI characters naming a printer's resource (a path of "/"
// alone names the server); or "socket://" and a host with an optional port
// (9100 when none is given) and nothing after it; or "lpd://", a host with an
// optional port (515 when none is given), '/' and a queue name (IsLpdQueueName)
// and nothing after it. A host name is labels of letters, digits and '-'
// (not at either end of a label, 1 to 63 characters) joined by dots, at most
// 253 characters; a name whose last label is all digits must be a valid IPv4
// address. Ports are 1 to 65535. Anything else gives no address.
std::optional<SiteAddress> ParseSiteAddress(std::string_view site);

// The entries of a sites list that name no site (ParseSiteAddress refuses
// their address, as "smb://host/queue" or a typing error, or an option of
// theirs does not read: site_entry.h), in their order: nothing is listed or
// sent for them.
std::vector<std::string> UnusableSites(const std::vector<std::string>& sites);

// The entries that name a site, in their order.
std::vector<std::string> UsableSites(const std::vector<std::string>& sites);

// True when the site is one printer rather than a print server.
inline bool NamesPrinter(const SiteAddress& address) {
    return !address.path.empty();
}

// True for an LPD site ("lpd://host[:port]/queue").
inline bool IsLpdSite(const SiteAddress& address) {
    return !address.lpdQueue.empty();
}

// True for the eight groups of an IPv6 address (with at most one "::", and an
// IPv4 address in place of the last two groups), no zone.
bool IsIpv6Address(std::string_view text);
bool IsIpv4Address(std::string_view text);

// "host:port" for the HTTP Host header; IPv6 in brackets.
std::string HostAndPort(const SiteAddress& address);

// "ipp://host:port" or "ipps://host:port".
std::string SiteOrigin(const SiteAddress& address);
// The site as a URI: its origin and path.
std::string SiteUri(const SiteAddress& address);

// The printer's URI: a printer site's own, or for a print server
// "ipp[s]://host:port/printers/NAME" with the name percent-encoded.
std::string PrinterUri(const SiteAddress& address, std::string_view printer);
// The resource a request for that printer is posted to: a printer site's
// path, or "/printers/NAME" on a print server.
std::string PrinterResource(const SiteAddress& address, std::string_view printer);

// An entry of the companion's printer list: the site, ":", the printer.
std::string RemotePrinterItem(std::string_view site, std::string_view printer);

struct RemotePrinterName {
    std::string site;
    std::string printer;
};

// Splits an entry at its last ':' (printer names hold none, IPv6 sites do);
// nothing when there is no ':' or either side is empty.
std::optional<RemotePrinterName> SplitRemotePrinterItem(std::string_view item);

// True when the remote printer's site is one of the sites (entries of the
// sites file, their options aside; blanks at their ends and letter case do
// not count, as in the companion's list): only the companion lists it, and only for such a site.
bool IsPrinterOfListedSite(std::string_view item, const std::vector<std::string>& sites);

} // namespace sw
