// The user name and password of a remote site, kept in the system's
// credential store as one generic credential per site (never in
// "SWRemote.txt"), so that the user is asked once and the password is kept
// where the system protects it.
#pragma once

#include <optional>
#include <string>

namespace sw {

struct SiteCredential {
    std::wstring user;
    std::wstring password;
};

// The credential stored under `target`; nothing when there is none.
std::optional<SiteCredential> ReadSiteCredential(const std::string& target);

// Stores the credential under `target`, replacing one stored before; false
// when the store refused it.
bool WriteSiteCredential(const std::string& target, const SiteCredential& credential);

// Wide text from ANSI text (the program's code page), and back.
std::wstring WideFromAnsi(const std::string& text);
std::string AnsiFromWide(const std::wstring& text);

} // namespace sw
