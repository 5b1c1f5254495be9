#include "info/about_box.h"

#include "common/dialog_skeleton.h"
#include "info/system_info.h"
#include "info/web_addresses.h"
#include "info/web_links.h"
#include "resources/resource.h"

namespace sw {
namespace {

void OnSystemInfo(HWND, void*) {
    ShowSystemInfo();
}

void OnOrder(HWND, void*) {
    OpenWebLink(kMakerOrderPage);
}

void OnOk(HWND dialog, void*) {
    EndDialog(dialog, 1);
}

void OnCancel(HWND dialog, void*) {
    EndDialog(dialog, 0);
}

} // namespace

INT_PTR RunAboutBox(HWND owner) {
    DialogRules<void> rules{nullptr,
                            {{IDC_ABOUT_SYSTEM_INFO, OnSystemInfo},
                             {IDC_ABOUT_ORDER, OnOrder},
                             {IDOK, OnOk},
                             {IDCANCEL, OnCancel}}};
    rules.colourEditables = false;
    return ShowDialog(owner, IDD_ABOUT, rules, nullptr);
}

void ShowAboutBox(HWND owner) {
    RunAboutBox(owner);
}

} // namespace sw
