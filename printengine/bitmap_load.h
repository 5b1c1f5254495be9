// A bitmap file loaded as the system loads one for drawing, from a path of
// any length: the file is opened through the wide long-path call, which the
// system's own bitmap loader does not take. And the device-independent
// bitmap info that loading and printing describe pixels with.
#pragma once

#include <windows.h>

#include <string>

namespace sw {

// A BITMAPINFO with room for the three masks or a full 256-entry colour table.
struct BitmapInfo256 {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
};

// The info of a device-independent bitmap of that size and format, without
// masks or colours.
BitmapInfo256 DibInfo(LONG width, LONG height, WORD bitsPerPixel, DWORD compression);

// The file's bitmap, compatible with the screen (monochrome for a black and
// white one), or null with the last error set: the open's error for a file
// that cannot be opened (ERROR_FILENAME_EXCED_RANGE for a path longer than
// the system takes), ERROR_INVALID_DATA for bytes that are no bitmap or end
// before its pixels do, the system's error when GDI cannot make the bitmap.
HBITMAP LoadBitmapFile(const std::string& path);

} // namespace sw
