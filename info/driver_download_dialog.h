// The "Download Printer Driver" dialog: a list of printer manufacturers whose
// driver download page opens in the browser.
#pragma once

#include <windows.h>

namespace sw {

inline constexpr int kDriverMakerLabel = 101;
inline constexpr int kDriverMakerList = 102;
inline constexpr int kDriverDownload = 103;
inline constexpr int kDriverExit = 104;
inline constexpr char kDriverDialogCaption[] = "Download Printer Driver";

// "Download" opens the selected manufacturer's page and closes the dialog;
// with nothing selected it does nothing. "Exit" and the close box close it.
void ShowDriverDownloadDialog(HWND owner);

} // namespace sw
