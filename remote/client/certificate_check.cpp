#include "remote/client/certificate_check.h"

#include "remote/client/site_credentials.h"
#include "remote/transport_problems.h"

#include <wincrypt.h>

namespace sw {
namespace {

std::uint32_t ProblemsOfChain(PCCERT_CONTEXT certificate, const SiteAddress& site) {
    CERT_CHAIN_PARA chainPara = {};
    chainPara.cbSize = sizeof(chainPara);
    PCCERT_CHAIN_CONTEXT chain = nullptr;
    if (!CertGetCertificateChain(nullptr, certificate, nullptr, certificate->hCertStore, &chainPara,
                                 0, nullptr, &chain))
        return kCertInvalid;
    std::uint32_t problems = 0;
    const DWORD status = chain->TrustStatus.dwErrorStatus;
    if (status & (CERT_TRUST_IS_UNTRUSTED_ROOT | CERT_TRUST_IS_PARTIAL_CHAIN))
        problems |= kCertUntrustedAuthority;
    if (status & CERT_TRUST_IS_NOT_TIME_VALID)
        problems |= kCertDateInvalid;
    if (status & CERT_TRUST_IS_REVOKED)
        problems |= kCertRevoked;
    if (status & CERT_TRUST_IS_NOT_VALID_FOR_USAGE)
        problems |= kCertWrongUsage;
    if (status & CERT_TRUST_IS_NOT_SIGNATURE_VALID)
        problems |= kCertInvalid;

    // The name: the SSL policy with every other check already counted.
    std::wstring server = WideFromAnsi(site.host);
    SSL_EXTRA_CERT_CHAIN_POLICY_PARA ssl = {};
    ssl.cbSize = sizeof(ssl);
    ssl.dwAuthType = AUTHTYPE_SERVER;
    ssl.pwszServerName = &server[0];
    ssl.fdwChecks = 0x00000100 /* SECURITY_FLAG_IGNORE_UNKNOWN_CA */ |
                    0x00002000 /* SECURITY_FLAG_IGNORE_CERT_DATE_INVALID */ |
                    0x00000200 /* SECURITY_FLAG_IGNORE_WRONG_USAGE */;
    CERT_CHAIN_POLICY_PARA policy = {};
    policy.cbSize = sizeof(policy);
    policy.pvExtraPolicyPara = &ssl;
    CERT_CHAIN_POLICY_STATUS verdict = {};
    verdict.cbSize = sizeof(verdict);
    if (CertVerifyCertificateChainPolicy(CERT_CHAIN_POLICY_SSL, chain, &policy, &verdict) &&
        verdict.dwError == static_cast<DWORD>(CERT_E_CN_NO_MATCH))
        problems |= kCertWrongName;
    CertFreeCertificateChain(chain);
    return problems;
}

} // namespace

std::uint32_t DiagnoseServerCertificate(HINTERNET connection, const SiteAddress& site) {
    HINTERNET request = WinHttpOpenRequest(connection, L"HEAD", L"/", nullptr, WINHTTP_NO_REFERER,
                                           WINHTTP_DEFAULT_ACCEPT_TYPES, WINHTTP_FLAG_SECURE);
    if (request == nullptr)
        return 0;
    // Only to see the certificate: the request carries nothing of ours.
    DWORD ignore = SECURITY_FLAG_IGNORE_UNKNOWN_CA | SECURITY_FLAG_IGNORE_CERT_CN_INVALID |
                   SECURITY_FLAG_IGNORE_CERT_DATE_INVALID | SECURITY_FLAG_IGNORE_CERT_WRONG_USAGE;
    WinHttpSetOption(request, WINHTTP_OPTION_SECURITY_FLAGS, &ignore, sizeof(ignore));
    std::uint32_t problems = 0;
    if (WinHttpSendRequest(request, WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0,
                           0)) {
        PCCERT_CONTEXT certificate = nullptr;
        DWORD size = sizeof(certificate);
        if (WinHttpQueryOption(request, WINHTTP_OPTION_SERVER_CERT_CONTEXT, &certificate, &size) &&
            certificate != nullptr) {
            problems = ProblemsOfChain(certificate, site);
            CertFreeCertificateContext(certificate);
        }
    }
    WinHttpCloseHandle(request);
    return problems;
}

} // namespace sw
