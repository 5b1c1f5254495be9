// Feeds arbitrary bytes to the bitmap file check: a layout it accepts always
// lies inside the file, so that GDI is never handed bytes past its end.
#include "printengine/bitmap_file.h"
#include "printengine/bitmap_fit.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto layout =
        sw::ReadBitmapLayout(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!layout)
        return 0;
    if (layout->pixelOffset > size || layout->pixelBytes > size - layout->pixelOffset)
        std::abort();
    if (layout->width <= 0 || layout->height == 0 || layout->colours.size() > 256)
        std::abort();
    const int rows = layout->height < 0 ? -layout->height : layout->height;
    if (layout->compression != sw::BitmapCompression::Rle8 &&
        layout->compression != sw::BitmapCompression::Rle4 &&
        sw::DibPixelBytes(layout->width, rows, layout->bitsPerPixel) != layout->pixelBytes)
        std::abort();
    return 0;
}
