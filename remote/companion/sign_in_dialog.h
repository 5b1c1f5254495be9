// The companion's sign-in dialog: asks for a remote site's user name and
// password, saying why it asks (the site asked for one, or the stored one
// was not accepted).
#pragma once

#include "remote/client/site_credentials.h"

#include <windows.h>

#include <optional>
#include <string>

namespace sw {

inline constexpr char kSignInCaption[] = "Sign in to a remote site";
inline constexpr int kSignInReason = 201;
inline constexpr int kSignInUser = 202;
inline constexpr int kSignInPassword = 203;

struct SignInPrompt {
    std::string site;
    std::string reason;
    std::string user; // filled in to start with
};

// The user name and password given, or nothing when the user cancelled.
std::optional<SiteCredential> AskForSignIn(HWND owner, const SignInPrompt& prompt);

} // namespace sw
