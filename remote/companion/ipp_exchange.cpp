#include "remote/companion/ipp_exchange.h"

#include "remote/companion/certificate_check.h"
#include "remote/job_outcome.h"
#include "remote/request_waits.h"
#include "remote/sign_in_rules.h"
#include "remote/transport_problems.h"

#include <windows.h>

#include <winhttp.h>

#include <memory>
#include <vector>

namespace sw {
namespace {

static_assert(kSchemeBasic == WINHTTP_AUTH_SCHEME_BASIC &&
                  kSchemeDigest == WINHTTP_AUTH_SCHEME_DIGEST,
              "the portable scheme bits are the HTTP client's");
static_assert(kCertUntrustedAuthority == WINHTTP_CALLBACK_STATUS_FLAG_INVALID_CA &&
                  kCertWrongName == WINHTTP_CALLBACK_STATUS_FLAG_CERT_CN_INVALID &&
                  kCertDateInvalid == WINHTTP_CALLBACK_STATUS_FLAG_CERT_DATE_INVALID,
              "the portable certificate bits are the HTTP client's");

// A print server's answer to these requests is small; a larger one is refused.
constexpr std::size_t kLargestResponse = 1024 * 1024;
// A request is sent at most this often: once, and once more with a sign-in.
constexpr int kAttempts = 2;

// Errors of the TLS set-up that may hide a refused certificate.
bool IsSecureFailure(DWORD error) {
    return error == ERROR_WINHTTP_SECURE_FAILURE || error == ERROR_WINHTTP_SECURE_CHANNEL_ERROR ||
           CertificateProblemOfError(error) != 0;
}

struct InternetHandle {
    explicit InternetHandle(HINTERNET h) : handle(h) {}
    ~InternetHandle() {
        if (handle != nullptr)
            WinHttpCloseHandle(handle);
    }
    InternetHandle(const InternetHandle&) = delete;
    InternetHandle& operator=(const InternetHandle&) = delete;
    HINTERNET handle;
};

// Collects the certificate problems the HTTP client reports while it sets
// up TLS; the context value is the address of the flags.
void CALLBACK OnStatus(HINTERNET, DWORD_PTR context, DWORD status, LPVOID information,
                       DWORD length) {
    if (status == WINHTTP_CALLBACK_STATUS_SECURE_FAILURE && context != 0 &&
        information != nullptr && length >= sizeof(DWORD))
        *reinterpret_cast<DWORD*>(context) |= *static_cast<const DWORD*>(information);
}

std::wstring Wide(const std::string& text) {
    return WideFromAnsi(text);
}

std::string Where(const SiteAddress& site) {
    return SiteOrigin(site);
}

// The reason a send or receive failed, with what the TLS check found.
std::string TransportProblem(const SiteAddress& site, DWORD error, DWORD certificateFlags) {
    if (certificateFlags == 0)
        certificateFlags = CertificateProblemOfError(error);
    if (certificateFlags != 0)
        return Where(site) + ": the server's certificate was refused: " +
               DescribeCertificateProblems(certificateFlags) + " (" + std::to_string(error) + ")";
    return Where(site) + ": " + DescribeTransportError(error);
}

DWORD StatusCode(HINTERNET request) {
    DWORD status = 0;
    DWORD size = sizeof(status);
    WinHttpQueryHeaders(request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                        WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX);
    return status;
}

// Reads the answer's body; false when it failed or grew past the limit.
bool ReadBody(HINTERNET request, std::string& body) {
    for (;;) {
        DWORD available = 0;
        if (!WinHttpQueryDataAvailable(request, &available))
            return false;
        if (available == 0)
            return true;
        if (body.size() + available > kLargestResponse)
            return false;
        std::vector<char> buffer(available);
        DWORD read = 0;
        if (!WinHttpReadData(request, buffer.data(), available, &read))
            return false;
        if (read == 0)
            return true;
        body.append(buffer.data(), read);
    }
}

bool SendBody(HINTERNET request, const IppRequestBody& body) {
    std::uint64_t sent = 0;
    const bool written = body.write([&](std::string_view piece) {
        while (!piece.empty()) {
            DWORD done = 0;
            if (!WinHttpWriteData(request, piece.data(), static_cast<DWORD>(piece.size()), &done) ||
                done == 0)
                return false;
            sent += done;
            piece.remove_prefix(done);
        }
        return true;
    });
    return written && sent == body.length;
}

} // namespace

IppRequestBody BodyOf(const std::string& bytes) {
    IppRequestBody body;
    body.length = bytes.size();
    body.write = [bytes](const std::function<bool(std::string_view)>& write) {
        return write(bytes);
    };
    return body;
}

IppExchange ExchangeIpp(const SiteAddress& site, const std::string& resource,
                        const IppRequestBody& body, const std::optional<SiteCredential>& credential,
                        unsigned& knownScheme, std::uint32_t answerWaitSeconds) {
    IppExchange exchange;
    InternetHandle client(WinHttpOpen(L"Spoolwright Remote", WINHTTP_ACCESS_TYPE_DEFAULT_PROXY,
                                      WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
    if (client.handle == nullptr) {
        exchange.error = GetLastError();
        exchange.problem =
            "the HTTP client cannot start: " + DescribeTransportError(exchange.error);
        return exchange;
    }
    const RequestWaits waits = RequestWaitsFor(body.length, answerWaitSeconds);
    WinHttpSetTimeouts(client.handle, static_cast<int>(waits.resolveMs),
                       static_cast<int>(waits.connectMs), static_cast<int>(waits.sendMs),
                       static_cast<int>(waits.answerMs));
    InternetHandle connection(WinHttpConnect(client.handle, Wide(site.host).c_str(),
                                             static_cast<INTERNET_PORT>(site.port), 0));
    if (connection.handle == nullptr) {
        exchange.error = GetLastError();
        exchange.problem = TransportProblem(site, exchange.error, 0);
        return exchange;
    }
    InternetHandle request(WinHttpOpenRequest(
        connection.handle, L"POST", Wide(resource).c_str(), nullptr, WINHTTP_NO_REFERER,
        WINHTTP_DEFAULT_ACCEPT_TYPES, site.tls ? WINHTTP_FLAG_SECURE : 0));
    if (request.handle == nullptr) {
        exchange.error = GetLastError();
        exchange.problem = TransportProblem(site, exchange.error, 0);
        return exchange;
    }
    // The wait for the answer's headers is an option of its own: Windows
    // gives up after 90 s by default, Wine never does.
    DWORD answerMs = waits.answerMs;
    WinHttpSetOption(request.handle, WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &answerMs,
                     sizeof(answerMs));
    DWORD certificateFlags = 0;
    WinHttpSetStatusCallback(request.handle, OnStatus, WINHTTP_CALLBACK_FLAG_SECURE_FAILURE, 0);

    bool credentialSent = false;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (credential && knownScheme != 0) {
            WinHttpSetCredentials(request.handle, WINHTTP_AUTH_TARGET_SERVER, knownScheme,
                                  credential->user.c_str(), credential->password.c_str(), nullptr);
            credentialSent = true;
        }
        const DWORD length = static_cast<DWORD>(body.length);
        if (!WinHttpSendRequest(request.handle, L"Content-Type: application/ipp\r\n",
                                static_cast<DWORD>(-1), WINHTTP_NO_REQUEST_DATA, 0, length,
                                reinterpret_cast<DWORD_PTR>(&certificateFlags)) ||
            !SendBody(request.handle, body) || !WinHttpReceiveResponse(request.handle, nullptr)) {
            const DWORD error = HttpClientError(GetLastError());
            // The client may name the certificate's fault by a bare error code
            // only (Wine does): then the certificate is fetched and checked here.
            if (site.tls && certificateFlags == 0 && IsSecureFailure(error))
                certificateFlags = DiagnoseServerCertificate(connection.handle, site);
            exchange.error = error;
            exchange.problem = TransportProblem(site, error, certificateFlags);
            return exchange;
        }
        const DWORD status = StatusCode(request.handle);
        if (status == 401) {
            DWORD offered = 0, first = 0, target = 0;
            WinHttpQueryAuthSchemes(request.handle, &offered, &first, &target);
            const SignInChoice choice = ChooseSignInScheme(offered, site.tls);
            if (choice.scheme == 0) {
                exchange.error = kOutcomeSignIn;
                exchange.problem = Where(site) + ": " + choice.problem;
                return exchange;
            }
            if (!credential || credentialSent) {
                exchange.needsSignIn = true;
                exchange.signInRejected = credentialSent;
                exchange.error = kOutcomeSignIn;
                exchange.problem =
                    Where(site) + (credentialSent ? ": the user name or password was not accepted"
                                                  : ": the site asks for a user name and password");
                return exchange;
            }
            knownScheme = choice.scheme;
            std::string ignored;
            ReadBody(request.handle, ignored);
            continue;
        }
        if (status != 200) {
            exchange.error = kOutcomeBadAnswer;
            exchange.problem = Where(site) + " answered HTTP " + std::to_string(status);
            return exchange;
        }
        std::string answer;
        if (!ReadBody(request.handle, answer)) {
            exchange.error = HttpClientError(GetLastError());
            exchange.problem = TransportProblem(site, exchange.error, certificateFlags);
            return exchange;
        }
        exchange.answer = DecodeIpp(answer);
        if (!exchange.answer) {
            exchange.error = kOutcomeBadAnswer;
            exchange.problem = "the answer of " + Where(site) + " is not IPP";
        } else if (!IsSuccessfulStatus(exchange.answer->status)) {
            exchange.ippStatus = exchange.answer->status;
            exchange.error = kOutcomeRefused;
            exchange.problem = DescribeFailure(*exchange.answer);
            exchange.answer.reset();
        }
        return exchange;
    }
    exchange.needsSignIn = true;
    exchange.signInRejected = true;
    exchange.error = kOutcomeSignIn;
    exchange.problem = Where(site) + ": the user name or password was not accepted";
    return exchange;
}

} // namespace sw
