#include "remote/companion/sign_in_dialog.h"

#include "common/dialog_skeleton.h"

namespace sw {
namespace {

constexpr int kFieldLimit = 255;

struct SignInData {
    const SignInPrompt* prompt;
    SiteCredential answer;
};

std::wstring FieldText(HWND dialog, int id) {
    wchar_t text[kFieldLimit + 1] = {};
    GetDlgItemTextW(dialog, id, text, kFieldLimit + 1);
    return text;
}

void OnInitDialog(HWND dialog, SignInData* data) {
    const std::string reason = data->prompt->site + "\r\n" + data->prompt->reason;
    SetDlgItemTextA(dialog, kSignInReason, reason.c_str());
    SetDlgItemTextA(dialog, kSignInUser, data->prompt->user.c_str());
    SendDlgItemMessageA(dialog, kSignInUser, EM_LIMITTEXT, kFieldLimit, 0);
    SendDlgItemMessageA(dialog, kSignInPassword, EM_LIMITTEXT, kFieldLimit, 0);
    SetFocus(GetDlgItem(dialog, data->prompt->user.empty() ? kSignInUser : kSignInPassword));
    // A sign-in asked for while the window was minimised must be seen.
    SetForegroundWindow(dialog);
}

void OnOk(HWND dialog, SignInData* data) {
    data->answer.user = FieldText(dialog, kSignInUser);
    data->answer.password = FieldText(dialog, kSignInPassword);
    // The password stays in the edit control no longer than needed.
    SetDlgItemTextA(dialog, kSignInPassword, "");
    EndDialog(dialog, IDOK);
}

} // namespace

std::optional<SiteCredential> AskForSignIn(HWND owner, const SignInPrompt& prompt) {
    const DialogTemplate form(
        kSignInCaption, 220, 104,
        {{kSignInReason, ControlClass::Static, "", SS_LEFT, 7, 7, 206, 32},
         {0xFFFF, ControlClass::Static, "&User name:", SS_LEFT, 7, 44, 60, 8},
         {kSignInUser, ControlClass::Edit, "", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 70, 42, 143,
          12},
         {0xFFFF, ControlClass::Static, "&Password:", SS_LEFT, 7, 62, 60, 8},
         {kSignInPassword, ControlClass::Edit, "",
          ES_AUTOHSCROLL | ES_PASSWORD | WS_BORDER | WS_TABSTOP, 70, 60, 143, 12},
         {IDOK, ControlClass::Button, "Sign in", BS_DEFPUSHBUTTON | WS_TABSTOP, 106, 82, 50, 14},
         {IDCANCEL, ControlClass::Button, "Cancel", BS_PUSHBUTTON | WS_TABSTOP, 163, 82, 50, 14}});
    DialogRules<SignInData> rules{OnInitDialog, {{IDOK, OnOk}}};
    rules.colourEditables = false;
    rules.initSetsFocus = true;
    SignInData data{&prompt, SiteCredential()};
    if (ShowDialog(owner, form, rules, &data) != IDOK)
        return std::nullopt;
    return data.answer;
}

} // namespace sw
