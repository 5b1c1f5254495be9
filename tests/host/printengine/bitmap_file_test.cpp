#include "printengine/bitmap_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

using sw::BitmapCompression;

// The fields of a bitmap file's headers; the file is these headers followed
// by `rest` zero bytes (colour table, masks and pixels).
struct Headers {
    std::uint32_t headerSize = 40;
    std::int32_t width = 2;
    std::int32_t height = 2;
    std::uint16_t planes = 1;
    std::uint16_t bits = 24;
    std::uint32_t compression = 0;
    std::uint32_t coloursUsed = 0;
    std::uint32_t pixelOffset = 0;
    std::size_t rest = 16;
};

void Put(std::string& bytes, std::size_t offset, std::uint32_t value, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i)
        bytes[offset + i] = static_cast<char>(value >> (8 * i));
}

std::string BitmapFile(const Headers& h) {
    std::string bytes(14 + h.headerSize + h.rest, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    Put(bytes, 10, h.pixelOffset, 4);
    Put(bytes, 14, h.headerSize, 4);
    const bool core = h.headerSize == 12;
    Put(bytes, 18, static_cast<std::uint32_t>(h.width), core ? 2 : 4);
    Put(bytes, core ? 20 : 22, static_cast<std::uint32_t>(h.height), core ? 2 : 4);
    Put(bytes, core ? 22 : 26, h.planes, 2);
    Put(bytes, core ? 24 : 28, h.bits, 2);
    if (!core) {
        Put(bytes, 30, h.compression, 4);
        Put(bytes, 46, h.coloursUsed, 4);
    }
    return bytes;
}

TEST(ReadBitmapLayout, FindsThePixelsAndTablesOfEachKindOfHeader) {
    const struct {
        const char* what;
        Headers headers;
        std::size_t pixelOffset, pixelBytes, colours;
    } cases[] = {
        {"24 bits, rows of 8 bytes", {}, 54, 16, 0},
        {"top row first", {40, 2, -2}, 54, 16, 0},
        {"core header, 2 colours of 3 bytes", {12, 2, 2, 1, 1, 0, 0, 0, 14}, 32, 8, 2},
        {"3 of 256 colours", {40, 2, 2, 1, 8, 0, 3, 0, 20}, 66, 8, 3},
        {"masks after the header", {40, 2, 2, 1, 16, 3, 0, 0, 20}, 66, 8, 0},
        {"run-length pixels: the rest", {40, 2, 2, 1, 8, 1, 0, 0, 1024 + 6}, 1078, 6, 256},
        {"the file header's offset", {40, 2, 2, 1, 24, 0, 0, 60, 22}, 60, 16, 0},
    };
    for (const auto& c : cases) {
        const auto layout = sw::ReadBitmapLayout(BitmapFile(c.headers));
        ASSERT_TRUE(layout) << c.what;
        EXPECT_EQ(layout->height, c.headers.height) << c.what;
        EXPECT_EQ(layout->pixelOffset, c.pixelOffset) << c.what;
        EXPECT_EQ(layout->pixelBytes, c.pixelBytes) << c.what;
        EXPECT_EQ(layout->colours.size(), c.colours) << c.what;
    }
}

TEST(ReadBitmapLayout, RefusesWhatIsNoBitmapOrEndsBeforeItsPixels) {
    const struct {
        const char* what;
        Headers headers;
    } cases[] = {
        {"unknown header size", {41}},
        {"two planes", {40, 2, 2, 2}},
        {"2 bits per pixel", {40, 2, 2, 1, 2}},
        {"run-length 24 bits", {40, 2, 2, 1, 24, 1}},
        {"run-length top row first", {40, 2, -2, 1, 8, 1, 0, 0, 1100}},
        {"unknown compression", {40, 2, 2, 1, 24, 4}},
        {"no width", {40, 0}},
        {"no height", {40, 2, 0}},
        {"one pixel byte short", {40, 2, 2, 1, 24, 0, 0, 0, 15}},
        {"colour table past the end", {40, 2, 2, 1, 8, 0, 0, 0, 1000}},
        {"pixels past the end", {40, 2, 2, 1, 24, 0, 0, 71, 16}},
        {"masks past the end", {40, 2, 2, 1, 32, 3, 0, 0, 8}},
        {"more than 32-bit sizes", {40, 65536, 65536, 1, 8, 1, 0, 0, 1030}},
    };
    for (const auto& c : cases)
        EXPECT_FALSE(sw::ReadBitmapLayout(BitmapFile(c.headers))) << c.what;
    for (const char* bytes : {"", "BM", "plain text, not a bitmap", "MB\x28"})
        EXPECT_FALSE(sw::ReadBitmapLayout(bytes)) << bytes;
}

TEST(IsBlackAndWhite, OnlyA1BitBitmapOfBlackThenWhite) {
    std::string file = BitmapFile({40, 2, 2, 1, 1, 0, 0, 0, 16});
    Put(file, 58, 0xFFFFFF, 3);
    EXPECT_TRUE(sw::IsBlackAndWhite(*sw::ReadBitmapLayout(file)));
    Put(file, 54, 0xFFFFFF, 3);
    EXPECT_FALSE(sw::IsBlackAndWhite(*sw::ReadBitmapLayout(file))) << "white, white";
    EXPECT_FALSE(sw::IsBlackAndWhite(*sw::ReadBitmapLayout(BitmapFile({}))));
}

} // namespace
