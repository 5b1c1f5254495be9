// The rules of signing in to a remote site: which authentication scheme the
// companion answers a 401 with, and under which name the site's user name
// and password are kept in the system's credential store. Portable, so that
// the rules are unit-tested on the host.
#pragma once

#include "remote/site_address.h"

#include <optional>
#include <string>

namespace sw {

// Authentication schemes a server offers, as bits; the values are those of
// the system's HTTP client (WINHTTP_AUTH_SCHEME_*), so they pass unchanged.
inline constexpr unsigned kSchemeBasic = 0x01;
inline constexpr unsigned kSchemeNtlm = 0x02;
inline constexpr unsigned kSchemePassport = 0x04;
inline constexpr unsigned kSchemeDigest = 0x08;
inline constexpr unsigned kSchemeNegotiate = 0x10;

struct SignInChoice {
    unsigned scheme = 0; // one of the bits above; 0 when the site is refused
    std::string problem; // why not, for the companion's window
};

// Digest where the server offers it (the password never crosses the
// network); Basic only over TLS, since it sends the password readable to
// anyone on the way; nothing else.
SignInChoice ChooseSignInScheme(unsigned offered, bool tls);

// The name of the site's generic credential: "Spoolwright Remote/" and the
// site's URI, one credential per site.
std::string CredentialTarget(const SiteAddress& address);

} // namespace sw
