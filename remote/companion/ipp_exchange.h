// One IPP request and its answer over the system's HTTP client (WinHTTP):
// plain or TLS, the server's certificate checked against the system's
// trusted roots, proxies as the system is set, a 401 answered with the
// site's stored sign-in. The program's own time limits (request_waits.h)
// end a request to a site that does not answer with 12002, never a hang.
#pragma once

#include "remote/companion/site_credentials.h"
#include "remote/ipp_message.h"
#include "remote/site_address.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace sw {

// Hands the request body to `write` piece by piece; false stops the sending.
// It may be called more than once (a request is sent again with a sign-in),
// and must then give the same bytes.
using BodyWriter = std::function<bool(const std::function<bool(std::string_view)>& write)>;

struct IppRequestBody {
    std::uint64_t length = 0; // the exact number of bytes the writer gives
    BodyWriter write;
};

struct IppExchange {
    std::optional<IppResponse> answer; // a successful IPP answer
    std::string problem;               // why there is none, for the companion's window
    std::uint16_t ippStatus = 0;       // the IPP status of an answer that was a refusal
    // The site asked for a sign-in: none was given (or it was not accepted).
    bool needsSignIn = false;
    bool signInRejected = false;
    // The code of the failure (remote/job_outcome.h): the HTTP client's own
    // for the transport, one of the outcome codes otherwise; 0 with an answer.
    std::uint32_t error = 0;
};

// Posts the body to `resource` on the site and decodes the answer. With a
// credential, a 401 is answered with it (Digest, or Basic over TLS only);
// `knownScheme`, when not 0, sends it with the first request already. The
// site is waited for as RequestWaitsFor gives for the body and `answerWaitSeconds`.
IppExchange ExchangeIpp(const SiteAddress& site, const std::string& resource,
                        const IppRequestBody& body, const std::optional<SiteCredential>& credential,
                        unsigned& knownScheme, std::uint32_t answerWaitSeconds);

// The whole body for a request that carries no document.
IppRequestBody BodyOf(const std::string& bytes);

} // namespace sw
