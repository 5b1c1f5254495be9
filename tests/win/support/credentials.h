// The test prefix's credential store and trusted roots, set up as a user or
// an administrator would: generic credentials by target name, and a
// certificate authority added to the machine's trusted roots of the prefix.
#pragma once

#include <string>

namespace swtest {

// Stores `user` and `password` under `target`, replacing what was there.
void StoreGenericCredential(const std::string& target, const std::string& user,
                            const std::string& password);
// The credential stored under `target` as "user:password"; empty when there
// is none.
std::string StoredGenericCredential(const std::string& target);
void ForgetGenericCredential(const std::string& target);

// Makes the authority whose PEM certificate is in `pemPath` a trusted root.
void TrustCertificateAuthority(const std::string& pemPath);

} // namespace swtest
