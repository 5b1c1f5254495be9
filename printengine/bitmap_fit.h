// Where a bitmap lands on the page: the placement box in inches turned into
// device pixels, the bitmap fitted into it with its proportions kept, and the
// size of its device-independent pixel buffer. Portable, so that the rounding
// and fitting rules are unit-tested on the host; the drawing is in
// bitmap_print.cpp.
#pragma once

#include <cstdint>
#include <optional>

namespace sw {

// A rectangle in device pixels: top-left corner and size.
struct DeviceBox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

inline bool operator==(const DeviceBox& a, const DeviceBox& b) {
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

// The nearest integer; an exact half goes to the even neighbour. Values that
// are not numbers give 0, values beyond the int range its nearest end.
int RoundHalfToEven(double value);

// The placement box (inches from the top-left of the printable area) in the
// pixels of a device with the given dots per inch.
DeviceBox DeviceBoxFromInches(double left, double top, double width, double height,
                              int dotsPerInchX, int dotsPerInchY);

// Shrinks one side of the box so that a bitmap of the given size fills it
// without distortion, anchored at the box's top-left corner: the height when
// the bitmap is wider in proportion than the box, else the width (so equal
// proportions keep the height). A box or bitmap without area gives a box of
// size 0 x 0, which draws nothing.
DeviceBox FitBitmapToBox(const DeviceBox& box, int bitmapWidth, int bitmapHeight);

// True when some of the fitted box lies on a page of the given size (its
// printable area, whose top-left corner is the box's origin): the box has an
// area and overlaps the page.
bool LandsOnPage(const DeviceBox& fitted, int pageWidth, int pageHeight);

// Bytes of one row of a device-independent bitmap: rows are padded to a
// multiple of 4 bytes.
std::uint64_t DibRowBytes(int width, int bitsPerPixel);

// Bytes of the whole pixel buffer of a device-independent bitmap, or nothing
// when the sizes are not positive or the buffer would not fit in 32 bits.
std::optional<std::uint32_t> DibPixelBytes(int width, int height, int bitsPerPixel);

} // namespace sw
