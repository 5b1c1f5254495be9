#include "remote/transport_problems.h"

#include <gtest/gtest.h>

namespace {

TEST(TransportProblems, ErrorCodesAsSentences) {
    struct Case {
        std::uint32_t error;
        const char* text;
    };
    const Case cases[] = {
        {12029, "cannot connect: the site is down or refuses connections (12029)"},
        {12002, "the site did not answer in time (12002)"},
        {12007, "the site's name is not known (12007)"},
        {12045, "the server's certificate was refused: the certificate was not issued by an "
                "authority this computer trusts (12045)"},
        {12038, "the server's certificate was refused: the certificate is for another name "
                "than the site's (12038)"},
        {12175, "the server's certificate was refused (12175)"},
        {12157, "the encrypted connection could not be set up (12157)"},
        {5, "the conversation failed (5)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(sw::DescribeTransportError(c.error), c.text);
}

TEST(TransportProblems, CertificateFlagsInAFixedOrder) {
    EXPECT_EQ(sw::DescribeCertificateProblems(0), "");
    EXPECT_EQ(sw::DescribeCertificateProblems(sw::kCertDateInvalid | sw::kCertUntrustedAuthority),
              "the certificate was not issued by an authority this computer trusts; the "
              "certificate has expired or is not valid yet");
    EXPECT_EQ(sw::CertificateProblemOfError(12037), sw::kCertDateInvalid);
    EXPECT_EQ(sw::CertificateProblemOfError(12029), 0u);
}

TEST(TransportProblems, ASocketTimeoutIsTheClientsTimeout) {
    EXPECT_EQ(sw::HttpClientError(10060), 12002u);
    EXPECT_EQ(sw::HttpClientError(12029), 12029u);
}

} // namespace
