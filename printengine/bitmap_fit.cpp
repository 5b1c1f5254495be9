#include "printengine/bitmap_fit.h"

#include <cmath>
#include <limits>

namespace sw {

int RoundHalfToEven(double value) {
    if (std::isnan(value))
        return 0;
    constexpr double kMax = std::numeric_limits<int>::max();
    constexpr double kMin = std::numeric_limits<int>::min();
    if (value >= kMax)
        return std::numeric_limits<int>::max();
    if (value <= kMin)
        return std::numeric_limits<int>::min();
    const double below = std::floor(value);
    const double fraction = value - below;
    double rounded = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0))
        rounded = below + 1.0;
    return static_cast<int>(rounded);
}

DeviceBox DeviceBoxFromInches(double left, double top, double width, double height,
                              int dotsPerInchX, int dotsPerInchY) {
    DeviceBox box;
    box.x = RoundHalfToEven(left * dotsPerInchX);
    box.y = RoundHalfToEven(top * dotsPerInchY);
    box.width = RoundHalfToEven(width * dotsPerInchX);
    box.height = RoundHalfToEven(height * dotsPerInchY);
    return box;
}

DeviceBox FitBitmapToBox(const DeviceBox& box, int bitmapWidth, int bitmapHeight) {
    DeviceBox fitted = box;
    // A negative size would mirror the bitmap outside the box; like an empty
    // box, it draws nothing.
    if (box.width <= 0 || box.height <= 0 || bitmapWidth <= 0 || bitmapHeight <= 0) {
        fitted.width = 0;
        fitted.height = 0;
        return fitted;
    }
    // Compares bitmapWidth / bitmapHeight with width / height exactly, by
    // cross-multiplying in 64 bits, so that equal proportions are seen as equal.
    const std::int64_t bitmapSide = std::int64_t{bitmapWidth} * box.height;
    const std::int64_t boxSide = std::int64_t{box.width} * bitmapHeight;
    if (bitmapSide > boxSide)
        fitted.height =
            RoundHalfToEven(static_cast<double>(bitmapHeight) * box.width / bitmapWidth);
    else
        fitted.width =
            RoundHalfToEven(static_cast<double>(bitmapWidth) * box.height / bitmapHeight);
    return fitted;
}

bool LandsOnPage(const DeviceBox& fitted, int pageWidth, int pageHeight) {
    if (fitted.width <= 0 || fitted.height <= 0)
        return false;
    // In 64 bits: a corner far beyond the page plus its size must not wrap.
    const std::int64_t right = std::int64_t{fitted.x} + fitted.width;
    const std::int64_t bottom = std::int64_t{fitted.y} + fitted.height;
    return fitted.x < pageWidth && fitted.y < pageHeight && right > 0 && bottom > 0;
}

std::uint64_t DibRowBytes(int width, int bitsPerPixel) {
    if (width <= 0 || bitsPerPixel <= 0)
        return 0;
    return (std::uint64_t{static_cast<unsigned>(width)} * static_cast<unsigned>(bitsPerPixel) +
            31) /
           32 * 4;
}

std::optional<std::uint32_t> DibPixelBytes(int width, int height, int bitsPerPixel) {
    if (width <= 0 || height <= 0 || bitsPerPixel <= 0)
        return std::nullopt;
    const std::uint64_t rowBytes = DibRowBytes(width, bitsPerPixel);
    const std::uint64_t total = rowBytes * static_cast<unsigned>(height);
    if (rowBytes > std::numeric_limits<std::uint32_t>::max() ||
        total > std::numeric_limits<std::uint32_t>::max())
        return std::nullopt;
    return static_cast<std::uint32_t>(total);
}

} // namespace sw
