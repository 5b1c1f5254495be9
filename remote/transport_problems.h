// What the companion says when a conversation with a site fails below IPP:
// the system HTTP client's error codes and the reasons a server's
// certificate was refused, as sentences for the companion's window. The
// numbers are those of WinHTTP (ERROR_WINHTTP_*, WINHTTP_CALLBACK_STATUS_FLAG_*);
// portable, so that the texts are unit-tested on the host.
#pragma once

#include <cstdint>
#include <string>

namespace sw {

// Certificate problems, as the HTTP client reports them in its secure-failure
// notification.
inline constexpr std::uint32_t kCertRevocationFailed = 0x00000001;
inline constexpr std::uint32_t kCertInvalid = 0x00000002;
inline constexpr std::uint32_t kCertRevoked = 0x00000004;
inline constexpr std::uint32_t kCertUntrustedAuthority = 0x00000008;
inline constexpr std::uint32_t kCertWrongName = 0x00000010;
inline constexpr std::uint32_t kCertDateInvalid = 0x00000020;
inline constexpr std::uint32_t kCertWrongUsage = 0x00000040;
inline constexpr std::uint32_t kSecureChannelError = 0x80000000;

// "the certificate was not issued by an authority this computer trusts; ..."
// for every bit set, in a fixed order; empty for none.
std::string DescribeCertificateProblems(std::uint32_t flags);

// The certificate problem that an error code of its own stands for (0 for
// other codes): the HTTP client reports some refusals by such a code.
std::uint32_t CertificateProblemOfError(std::uint32_t error);

// A sentence for an HTTP client error code, with the code in brackets:
// "cannot connect: the site is down or refuses connections (12029)".
std::string DescribeTransportError(std::uint32_t error);

// The HTTP client's own code for an error: a wait that ran out is 12002
// (ERROR_WINHTTP_TIMEOUT) also where the client passes on the socket's
// WSAETIMEDOUT (10060), as Wine does.
std::uint32_t HttpClientError(std::uint32_t error);

} // namespace sw
