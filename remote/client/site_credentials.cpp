#include "remote/client/site_credentials.h"

#include <windows.h>

#include <wincred.h>

#include <vector>

namespace sw {

std::wstring WideFromAnsi(const std::string& text) {
    if (text.empty())
        return std::wstring();
    const int length =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0)
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0],
                            length);
    return wide;
}

std::string AnsiFromWide(const std::wstring& text) {
    if (text.empty())
        return std::string();
    const int length = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    if (length > 0)
        WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &ansi[0], length,
                            nullptr, nullptr);
    return ansi;
}

std::optional<SiteCredential> ReadSiteCredential(const std::string& target) {
    const std::wstring name = WideFromAnsi(target);
    PCREDENTIALW stored = nullptr;
    if (!CredReadW(name.c_str(), CRED_TYPE_GENERIC, 0, &stored))
        return std::nullopt;
    SiteCredential credential;
    if (stored->UserName != nullptr)
        credential.user = stored->UserName;
    // The password is kept as UTF-16 without a terminating NUL.
    credential.password.assign(reinterpret_cast<const wchar_t*>(stored->CredentialBlob),
                               stored->CredentialBlobSize / sizeof(wchar_t));
    SecureZeroMemory(stored->CredentialBlob, stored->CredentialBlobSize);
    CredFree(stored);
    return credential;
}

bool WriteSiteCredential(const std::string& target, const SiteCredential& credential) {
    std::wstring name = WideFromAnsi(target);
    std::wstring user = credential.user;
    std::vector<wchar_t> password(credential.password.begin(), credential.password.end());
    CREDENTIALW stored = {};
    stored.Type = CRED_TYPE_GENERIC;
    stored.TargetName = &name[0];
    stored.UserName = &user[0];
    stored.CredentialBlobSize = static_cast<DWORD>(password.size() * sizeof(wchar_t));
    stored.CredentialBlob = password.empty() ? nullptr : reinterpret_cast<LPBYTE>(password.data());
    stored.Persist = CRED_PERSIST_LOCAL_MACHINE;
    const bool written = CredWriteW(&stored, 0) != FALSE;
    if (!password.empty())
        SecureZeroMemory(password.data(), password.size() * sizeof(wchar_t));
    return written;
}

} // namespace sw
