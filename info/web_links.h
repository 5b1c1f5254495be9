// Opens web pages in the default browser.
#pragma once

#include "remote/dial_up.h"

namespace sw {

// Page 1 is the maker's home page, 2 its order page. Makes sure of a dial-up
// connection first (dialling when none is active), then opens the page; a
// browser that cannot be started is reported in a message box. A dial is
// recorded in `dialUp`.
void OpenWebLink(int which, DialUpState& dialUp);

} // namespace sw
