// The companion's print button. The main program hands it the file to print
// by setting its text; the button keeps that text as the file and its own
// caption "Print", so that the window stays readable.
#pragma once

#include <windows.h>

#include <string>

namespace sw {

// Makes `button` keep the texts set on it as its file.
void KeepPrintButtonCaption(HWND button);

// The text last set on the button: the file to print.
std::string PrintButtonFile(HWND button);

} // namespace sw
