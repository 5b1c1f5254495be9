// The layout of a bitmap file (".bmp"): its headers checked against the
// file's length, so that only a bitmap whose every table and pixel lies
// inside the file is handed to GDI. Portable, so that the checks are
// unit-tested on the host and fuzzed; the GDI calls are in bitmap_load.cpp.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace sw {

// The compressions of a bitmap's pixels GDI takes from a file.
enum class BitmapCompression : std::uint32_t { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3 };

struct BitmapLayout {
    std::int32_t width = 0;
    // Negative when the rows are stored top row first.
    std::int32_t height = 0;
    std::uint16_t bitsPerPixel = 0;
    BitmapCompression compression = BitmapCompression::Rgb;
    // Red, green and blue masks of BitFields pixels.
    std::uint32_t masks[3] = {};
    // The colour table as 0xRRGGBB, whatever the file's entry size.
    std::vector<std::uint32_t> colours;
    // Where the pixels start in the file, and how many bytes they take.
    std::size_t pixelOffset = 0;
    std::size_t pixelBytes = 0;
};

// The layout of the file's bytes; nothing when they are no bitmap file
// ("BM", a core or info header of a known size, one plane, 1/4/8/16/24/32
// bits per pixel, a compression that suits them), or when its tables or
// pixels reach past the end of the file, or when its pixels at 32 bits would
// not fit in 32-bit sizes.
std::optional<BitmapLayout> ReadBitmapLayout(std::string_view file);

// True for a 1-bit bitmap whose colours are black, then white: the system
// loads such a file as a monochrome bitmap.
bool IsBlackAndWhite(const BitmapLayout& layout);

} // namespace sw
