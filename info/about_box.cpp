#include "info/about_box.h"

#include "common/dialog_skeleton.h"
#include "info/system_info.h"
#include "info/web_addresses.h"
#include "info/web_links.h"
#include "resources/resource.h"

namespace sw {
namespace {

void OnSystemInfo(HWND, DialUpState*) {
    ShowSystemInfo();
}

void OnOrder(HWND, DialUpState* dialUp) {
    OpenWebLink(kMakerOrderPage, *dialUp);
}

void OnOk(HWND dialog, DialUpState*) {
    EndDialog(dialog, 1);
}

void OnCancel(HWND dialog, DialUpState*) {
    EndDialog(dialog, 0);
}

} // namespace

INT_PTR RunAboutBox(HWND owner, DialUpState& dialUp) {
    DialogRules<DialUpState> rules{nullptr,
                                   {{IDC_ABOUT_SYSTEM_INFO, OnSystemInfo},
                                    {IDC_ABOUT_ORDER, OnOrder},
                                    {IDOK, OnOk},
                                    {IDCANCEL, OnCancel}}};
    rules.colourEditables = false;
    return ShowDialog(owner, IDD_ABOUT, rules, &dialUp);
}

void ShowAboutBox(HWND owner, DialUpState& dialUp) {
    RunAboutBox(owner, dialUp);
}

} // namespace sw
