// Why a server's certificate was refused, when the HTTP client did not say:
// the certificate is fetched again on a connection that sends nothing of
// the job and no sign-in, and checked as the client checks it (chain to a
// trusted root, the site's name, dates, usage), so that the companion can
// name the reason.
#pragma once

#include "remote/site_address.h"

#include <windows.h>

#include <winhttp.h>

#include <cstdint>

namespace sw {

// The certificate problems (kCert* bits of transport_problems.h) of the
// server at `site`, reached through `connection`; 0 when the certificate
// could not be fetched.
std::uint32_t DiagnoseServerCertificate(HINTERNET connection, const SiteAddress& site);

} // namespace sw
