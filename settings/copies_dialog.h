// The number-of-copies dialog "COPIES" for the selected file and printer.
#pragma once

#include "settings/copies.h"

#include <windows.h>

#include <string>

namespace sw {

// Shows the dialog for `file` (a path; the folder pattern is shown instead
// when the folder's count is in force) and `printer`. "&Save && Return"
// replaces `remembered` and updates the stored counts; Escape and the close
// box change nothing. Returns true when the user saved.
bool ShowCopiesDialog(HWND owner, const std::string& file, const std::string& printer,
                      RememberedCopiesSetting& remembered);

} // namespace sw
