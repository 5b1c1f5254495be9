#include "support/credentials.h"

#include "support/temp_files.h"

#include <windows.h>

#include <wincred.h>
#include <wincrypt.h>

#include <gtest/gtest.h>

#include <vector>

namespace swtest {
namespace {

// The tests' names and passwords are ASCII.
std::wstring Widened(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}
std::string Narrowed(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

} // namespace

void StoreGenericCredential(const std::string& target, const std::string& user,
                            const std::string& password) {
    std::wstring wideTarget = Widened(target);
    std::wstring wideUser = Widened(user);
    std::wstring secret = Widened(password);
    CREDENTIALW credential = {};
    credential.Type = CRED_TYPE_GENERIC;
    credential.TargetName = &wideTarget[0];
    credential.UserName = &wideUser[0];
    credential.CredentialBlob = reinterpret_cast<LPBYTE>(&secret[0]);
    credential.CredentialBlobSize = static_cast<DWORD>(secret.size() * sizeof(wchar_t));
    credential.Persist = CRED_PERSIST_LOCAL_MACHINE;
    ASSERT_TRUE(CredWriteW(&credential, 0)) << "error " << GetLastError();
}

std::string StoredGenericCredential(const std::string& target) {
    PCREDENTIALW credential = nullptr;
    if (!CredReadW(Widened(target).c_str(), CRED_TYPE_GENERIC, 0, &credential))
        return std::string();
    const std::wstring user = credential->UserName != nullptr ? credential->UserName : L"";
    const std::wstring password(reinterpret_cast<const wchar_t*>(credential->CredentialBlob),
                                credential->CredentialBlobSize / sizeof(wchar_t));
    CredFree(credential);
    return Narrowed(user) + ":" + Narrowed(password);
}

void ForgetGenericCredential(const std::string& target) {
    CredDeleteW(Widened(target).c_str(), CRED_TYPE_GENERIC, 0);
}

void TrustCertificateAuthority(const std::string& pemPath) {
    const std::string pem = ReadWholeFile(pemPath);
    DWORD size = 0;
    ASSERT_TRUE(CryptStringToBinaryA(pem.c_str(), 0, CRYPT_STRING_BASE64HEADER, nullptr, &size,
                                     nullptr, nullptr))
        << pemPath << " is not a PEM certificate";
    std::vector<BYTE> der(size);
    CryptStringToBinaryA(pem.c_str(), 0, CRYPT_STRING_BASE64HEADER, der.data(), &size, nullptr,
                         nullptr);
    HCERTSTORE roots =
        CertOpenStore(CERT_STORE_PROV_SYSTEM_A, 0, 0, CERT_SYSTEM_STORE_LOCAL_MACHINE, "Root");
    ASSERT_NE(roots, nullptr) << "error " << GetLastError();
    EXPECT_TRUE(CertAddEncodedCertificateToStore(roots, X509_ASN_ENCODING, der.data(), size,
                                                 CERT_STORE_ADD_REPLACE_EXISTING, nullptr))
        << "error " << GetLastError();
    CertCloseStore(roots, 0);
}

} // namespace swtest
