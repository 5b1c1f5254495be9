#include "info/web_links.h"

#include "common/message_captions.h"
#include "info/web_addresses.h"
#include "remote/dial_up.h"

#include <windows.h>

#include <shellapi.h>

#include <string>

namespace sw {
namespace {

constexpr char kNoBrowser[] = "Sorry, neither Microsoft Explorer nor Netscape Navigator was found";

} // namespace

void OpenWebLink(int which, DialUpState& dialUp) {
    const std::string address(WebLinkAddress(which));
    if (address.empty())
        return;
    if (IsDialUpConnected(dialUp.library) == 0) {
        dialUp.dialedForWeb = true;
        DialFirstEntry(dialUp.library);
    }
    const HINSTANCE result = ShellExecuteA(nullptr, "open", address.c_str(), "", "", SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(result) < 32)
        MessageBoxA(nullptr, kNoBrowser, kShortCaption, MB_OK | MB_TASKMODAL);
}

} // namespace sw
