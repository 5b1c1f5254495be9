#include "printengine/bitmap_file.h"

#include "printengine/bitmap_fit.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace sw {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kCoreHeaderSize = 12;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::uint32_t kWhite = 0xFFFFFF;

// Little-endian numbers at an offset that the caller has checked.
std::uint32_t Number(std::string_view bytes, std::size_t offset, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = size; i-- > 0;)
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
    return value;
}

std::uint16_t Number16(std::string_view bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(Number(bytes, offset, 2));
}

std::uint32_t Number32(std::string_view bytes, std::size_t offset) {
    return Number(bytes, offset, 4);
}

bool IsKnownHeaderSize(std::uint32_t size) {
    // Core, info, the two info headers with masks, the version 4 and 5 headers.
    for (const std::uint32_t known : {12u, 40u, 52u, 56u, 108u, 124u})
        if (size == known)
            return true;
    return false;
}

bool SuitsBitsPerPixel(BitmapCompression compression, std::uint16_t bits, std::int32_t height) {
    switch (compression) {
    case BitmapCompression::Rgb:
        return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    case BitmapCompression::Rle8: // run-length rows are stored bottom row first only
        return bits == 8 && height > 0;
    case BitmapCompression::Rle4:
        return bits == 4 && height > 0;
    case BitmapCompression::BitFields:
        return bits == 16 || bits == 32;
    }
    return false;
}

} // namespace

std::optional<BitmapLayout> ReadBitmapLayout(std::string_view file) {
    if (file.size() < kFileHeaderSize + 4 || file[0] != 'B' || file[1] != 'M')
        return std::nullopt;
    const std::uint32_t headerSize = Number32(file, kFileHeaderSize);
    if (!IsKnownHeaderSize(headerSize) || file.size() - kFileHeaderSize < headerSize)
        return std::nullopt;
    const std::size_t header = kFileHeaderSize;
    const bool core = headerSize == kCoreHeaderSize;

    BitmapLayout layout;
    std::uint16_t planes = 0;
    std::uint32_t coloursUsed = 0;
    std::uint32_t compression = 0;
    std::uint32_t imageSize = 0;
    if (core) {
        layout.width = Number16(file, header + 4);
        layout.height = Number16(file, header + 6);
        planes = Number16(file, header + 8);
        layout.bitsPerPixel = Number16(file, header + 10);
    } else {
        layout.width = static_cast<std::int32_t>(Number32(file, header + 4));
        layout.height = static_cast<std::int32_t>(Number32(file, header + 8));
        planes = Number16(file, header + 12);
        layout.bitsPerPixel = Number16(file, header + 14);
        compression = Number32(file, header + 16);
        imageSize = Number32(file, header + 20);
        coloursUsed = Number32(file, header + 32);
    }
    if (planes != 1 || compression > static_cast<std::uint32_t>(BitmapCompression::BitFields))
        return std::nullopt;
    layout.compression = static_cast<BitmapCompression>(compression);
    if (!SuitsBitsPerPixel(layout.compression, layout.bitsPerPixel, layout.height))
        return std::nullopt;
    if (layout.width <= 0 || layout.height == 0 ||
        layout.height == std::numeric_limits<std::int32_t>::min())
        return std::nullopt;
    const std::int32_t rows = std::abs(layout.height);
    if (!DibPixelBytes(layout.width, rows, 32))
        return std::nullopt;

    // The masks follow an info header, or are its own last fields.
    std::size_t position = header + headerSize;
    if (layout.compression == BitmapCompression::BitFields) {
        const std::size_t masks =
            headerSize == kInfoHeaderSize ? position : header + kInfoHeaderSize;
        if (file.size() < masks + 12)
            return std::nullopt;
        for (std::size_t i = 0; i < 3; ++i)
            layout.masks[i] = Number32(file, masks + 4 * i);
        if (headerSize == kInfoHeaderSize)
            position += 12;
    }

    // A table of at most one entry for each value a pixel can hold; pixels
    // of more than 8 bits may still be preceded by a table, which they do
    // not use.
    const std::size_t entrySize = core ? 3 : 4;
    const std::uint64_t values = layout.bitsPerPixel <= 8 ? 1u << layout.bitsPerPixel : 0;
    const std::uint64_t entries =
        values == 0 ? coloursUsed
                    : (coloursUsed == 0 ? values : std::min<std::uint64_t>(coloursUsed, values));
    if (entries > (file.size() - position) / entrySize)
        return std::nullopt;
    if (layout.bitsPerPixel <= 8) {
        for (std::size_t i = 0; i < entries; ++i)
            layout.colours.push_back(Number(file, position + i * entrySize, 3));
    }
    position += static_cast<std::size_t>(entries) * entrySize;

    // Where the file header says the pixels start, or else right after the table.
    const std::uint32_t pixelOffset = Number32(file, 10);
    layout.pixelOffset = pixelOffset != 0 ? pixelOffset : position;
    if (layout.pixelOffset > file.size())
        return std::nullopt;
    const std::size_t available = file.size() - layout.pixelOffset;
    if (layout.compression == BitmapCompression::Rle8 ||
        layout.compression == BitmapCompression::Rle4) {
        layout.pixelBytes = imageSize != 0 && imageSize < available ? imageSize : available;
        return layout;
    }
    const std::uint64_t pixelBytes =
        DibRowBytes(layout.width, layout.bitsPerPixel) * static_cast<std::uint64_t>(rows);
    if (pixelBytes > available)
        return std::nullopt;
    layout.pixelBytes = static_cast<std::size_t>(pixelBytes);
    return layout;
}

bool IsBlackAndWhite(const BitmapLayout& layout) {
    return layout.bitsPerPixel == 1 && layout.colours.size() >= 2 && layout.colours[0] == 0 &&
           layout.colours[1] == kWhite;
}

} // namespace sw
