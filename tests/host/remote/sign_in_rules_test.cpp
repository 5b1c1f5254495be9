#include "remote/sign_in_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(SignInRules, DigestWhereOfferedBasicOnlyOverTls) {
    struct Case {
        unsigned offered;
        bool tls;
        unsigned chosen; // 0: refused
        const char* problemPart;
    };
    const Case cases[] = {
        {sw::kSchemeDigest, false, sw::kSchemeDigest, ""},
        {sw::kSchemeBasic | sw::kSchemeDigest, false, sw::kSchemeDigest, ""},
        {sw::kSchemeBasic | sw::kSchemeDigest, true, sw::kSchemeDigest, ""},
        {sw::kSchemeBasic, true, sw::kSchemeBasic, ""},
        {sw::kSchemeBasic | sw::kSchemeNegotiate, true, sw::kSchemeBasic, ""},
        {sw::kSchemeBasic, false, 0, "Basic sign-in without TLS"},
        {sw::kSchemeBasic | sw::kSchemeNtlm, false, 0, "Basic sign-in without TLS"},
        {sw::kSchemeNegotiate | sw::kSchemeNtlm, true, 0, "not offered here"},
        {0, true, 0, "not offered here"},
    };
    for (const Case& c : cases) {
        const sw::SignInChoice choice = sw::ChooseSignInScheme(c.offered, c.tls);
        EXPECT_EQ(choice.scheme, c.chosen) << c.offered << (c.tls ? " over TLS" : " in the clear");
        EXPECT_NE(choice.problem.find(c.problemPart), std::string::npos) << choice.problem;
        EXPECT_EQ(choice.problem.empty(), c.chosen != 0);
    }
}

TEST(SignInRules, OneCredentialPerSite) {
    EXPECT_EQ(sw::CredentialTarget(*sw::ParseSiteAddress("ipps://localhost:8443")),
              "Spoolwright Remote/ipps://localhost:8443");
    EXPECT_EQ(sw::CredentialTarget(*sw::ParseSiteAddress("ipp://127.0.0.1:8000/ipp/print")),
              "Spoolwright Remote/ipp://127.0.0.1:8000/ipp/print");
    // The same site written with the default port is the same credential.
    EXPECT_EQ(sw::CredentialTarget(*sw::ParseSiteAddress("printhost")),
              sw::CredentialTarget(*sw::ParseSiteAddress("ipp://printhost:631/")));
}

} // namespace
