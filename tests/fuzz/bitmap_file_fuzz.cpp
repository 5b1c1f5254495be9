// Feeds arbitrary bytes to the bitmap file check: a layout it accepts always
// lies inside the file, so that GDI is never handed bytes past its end.
#include "fuzz_check.h"
#include "printengine/bitmap_file.h"
#include "printengine/bitmap_fit.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto layout =
        sw::ReadBitmapLayout(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!layout)
        return 0;
    swfuzz::CrashIf(layout->pixelOffset > size || layout->pixelBytes > size - layout->pixelOffset);
    swfuzz::CrashIf(layout->width <= 0 || layout->height == 0 || layout->colours.size() > 256);
    const int rows = layout->height < 0 ? -layout->height : layout->height;
    swfuzz::CrashIf(layout->compression != sw::BitmapCompression::Rle8 &&
                    layout->compression != sw::BitmapCompression::Rle4 &&
                    sw::DibPixelBytes(layout->width, rows, layout->bitsPerPixel) !=
                        layout->pixelBytes);
    return 0;
}
