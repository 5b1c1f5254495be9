#include "remote/transport_problems.h"

namespace sw {
namespace {

// ERROR_WINHTTP_* codes.
constexpr std::uint32_t kTimeout = 12002;
constexpr std::uint32_t kSocketTimedOut = 10060; // WSAETIMEDOUT
constexpr std::uint32_t kNameNotResolved = 12007;
constexpr std::uint32_t kCannotConnect = 12029;
constexpr std::uint32_t kConnectionError = 12030;
constexpr std::uint32_t kCertDateInvalidError = 12037;
constexpr std::uint32_t kCertWrongNameError = 12038;
constexpr std::uint32_t kUntrustedAuthorityError = 12045;
constexpr std::uint32_t kRevocationFailedError = 12057;
constexpr std::uint32_t kInvalidServerResponse = 12152;
constexpr std::uint32_t kSecureChannelErrorCode = 12157;
constexpr std::uint32_t kCertInvalidError = 12169;
constexpr std::uint32_t kCertRevokedError = 12170;
constexpr std::uint32_t kSecureFailure = 12175;
constexpr std::uint32_t kCertWrongUsageError = 12179;

struct Problem {
    std::uint32_t flag;
    std::uint32_t error;
    const char* text;
};

const Problem kProblems[] = {
    {kCertUntrustedAuthority, kUntrustedAuthorityError,
     "the certificate was not issued by an authority this computer trusts"},
    {kCertWrongName, kCertWrongNameError, "the certificate is for another name than the site's"},
    {kCertDateInvalid, kCertDateInvalidError, "the certificate has expired or is not valid yet"},
    {kCertRevoked, kCertRevokedError, "the certificate was revoked"},
    {kCertRevocationFailed, kRevocationFailedError,
     "whether the certificate was revoked could not be checked"},
    {kCertWrongUsage, kCertWrongUsageError, "the certificate is not one for a server"},
    {kCertInvalid, kCertInvalidError, "the certificate is not valid"},
    {kSecureChannelError, 0, "the encrypted connection could not be set up"},
};

} // namespace

std::string DescribeCertificateProblems(std::uint32_t flags) {
    std::string text;
    for (const Problem& problem : kProblems) {
        if ((flags & problem.flag) != 0)
            text += (text.empty() ? "" : "; ") + std::string(problem.text);
    }
    return text;
}

std::uint32_t CertificateProblemOfError(std::uint32_t error) {
    for (const Problem& problem : kProblems) {
        if (problem.error != 0 && problem.error == error)
            return problem.flag;
    }
    return 0;
}

std::string DescribeTransportError(std::uint32_t error) {
    std::string text;
    switch (error) {
    case kTimeout:
        text = "the site did not answer in time";
        break;
    case kNameNotResolved:
        text = "the site's name is not known";
        break;
    case kCannotConnect:
        text = "cannot connect: the site is down or refuses connections";
        break;
    case kConnectionError:
        text = "the connection was broken";
        break;
    case kInvalidServerResponse:
        text = "the answer is not HTTP";
        break;
    case kSecureFailure:
        text = "the server's certificate was refused";
        break;
    case kSecureChannelErrorCode:
        text = "the encrypted connection could not be set up";
        break;
    default:
        if (const std::uint32_t flag = CertificateProblemOfError(error))
            text = "the server's certificate was refused: " + DescribeCertificateProblems(flag);
        else
            text = "the conversation failed";
        break;
    }
    return text + " (" + std::to_string(error) + ")";
}

std::uint32_t HttpClientError(std::uint32_t error) {
    return error == kSocketTimedOut ? kTimeout : error;
}

} // namespace sw
