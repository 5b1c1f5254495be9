#include "remote/sign_in_rules.h"

namespace sw {

SignInChoice ChooseSignInScheme(unsigned offered, bool tls) {
    SignInChoice choice;
    if ((offered & kSchemeDigest) != 0) {
        choice.scheme = kSchemeDigest;
    } else if ((offered & kSchemeBasic) != 0 && tls) {
        choice.scheme = kSchemeBasic;
    } else if ((offered & kSchemeBasic) != 0) {
        choice.problem = "the site asks for a password sent readable on the network (Basic "
                         "sign-in without TLS), which is never sent; write the site as "
                         "ipps://... to sign in over TLS";
    } else {
        choice.problem = "the site asks for a kind of sign-in that is not offered here (only "
                         "Digest, and Basic over TLS)";
    }
    return choice;
}

std::string CredentialTarget(const SiteAddress& address) {
    return "Spoolwright Remote/" + SiteUri(address);
}

} // namespace sw
