#include "printengine/bitmap_load.h"

#include "common/handle_guard.h"
#include "common/long_path.h"
#include "common/system_error.h"
#include "printengine/bitmap_file.h"

#include <cstdlib>
#include <string_view>

namespace sw {
namespace {

struct UnmapView {
    void operator()(const void* view) const { UnmapViewOfFile(view); }
};
using FileView = HandleGuard<const void*, UnmapView>;

// The info that describes the file's pixels to GDI, masks or colours included.
BitmapInfo256 DibInfoOf(const BitmapLayout& layout) {
    BitmapInfo256 info = DibInfo(layout.width, layout.height, layout.bitsPerPixel,
                                 static_cast<DWORD>(layout.compression));
    info.header.biSizeImage = static_cast<DWORD>(layout.pixelBytes);
    info.header.biClrUsed = static_cast<DWORD>(layout.colours.size());
    if (layout.compression == BitmapCompression::BitFields) {
        auto* masks = reinterpret_cast<DWORD*>(info.colours);
        for (int i = 0; i < 3; ++i)
            masks[i] = layout.masks[i];
    }
    for (std::size_t i = 0; i < layout.colours.size(); ++i) {
        const std::uint32_t colour = layout.colours[i];
        info.colours[i] = {static_cast<BYTE>(colour), static_cast<BYTE>(colour >> 8),
                           static_cast<BYTE>(colour >> 16), 0};
    }
    return info;
}

// The bitmap built from the file's bytes, or null with the last error set.
HBITMAP BitmapFromBytes(std::string_view file) {
    const auto layout = ReadBitmapLayout(file);
    if (!layout) {
        SetLastError(ERROR_INVALID_DATA);
        return nullptr;
    }
    const BitmapInfo256 info = DibInfoOf(*layout);
    const int rows = std::abs(layout->height);
    ClearLastError();
    const HDC screen = GetDC(nullptr);
    if (screen == nullptr) {
        SetLastError(static_cast<DWORD>(LastErrorOr(ERROR_DC_NOT_FOUND)));
        return nullptr;
    }
    HBITMAP bitmap = IsBlackAndWhite(*layout) ? CreateBitmap(layout->width, rows, 1, 1, nullptr)
                                              : CreateCompatibleBitmap(screen, layout->width, rows);
    DWORD error = bitmap == nullptr ? static_cast<DWORD>(LastErrorOr(ERROR_NOT_ENOUGH_MEMORY)) : 0;
    if (bitmap != nullptr &&
        SetDIBits(screen, bitmap, 0, static_cast<UINT>(rows), file.data() + layout->pixelOffset,
                  reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS) == 0) {
        error = static_cast<DWORD>(LastErrorOr(ERROR_INVALID_DATA));
        DeleteObject(bitmap);
        bitmap = nullptr;
    }
    ReleaseDC(nullptr, screen);
    if (bitmap == nullptr)
        SetLastError(error);
    return bitmap;
}

} // namespace

BitmapInfo256 DibInfo(LONG width, LONG height, WORD bitsPerPixel, DWORD compression) {
    BitmapInfo256 info = {};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = width;
    info.header.biHeight = height;
    info.header.biPlanes = 1;
    info.header.biBitCount = bitsPerPixel;
    info.header.biCompression = compression;
    return info;
}

HBITMAP LoadBitmapFile(const std::string& path) {
    const FileHandle file(OpenForReading(path));
    if (!file.IsOpen())
        return nullptr;
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(file.Get(), &size))
        return nullptr;
    if (static_cast<std::uint64_t>(size.QuadPart) > SIZE_MAX) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    // Mapped rather than read, as the system's loader does: a large bitmap
    // needs no copy. An empty file cannot be mapped and fails here.
    const FileHandle mapping(CreateFileMappingW(file.Get(), nullptr, PAGE_READONLY, 0, 0, nullptr));
    if (!mapping.IsOpen())
        return nullptr;
    const FileView view(MapViewOfFile(mapping.Get(), FILE_MAP_READ, 0, 0, 0));
    if (!view.IsOpen())
        return nullptr;
    return BitmapFromBytes(std::string_view(static_cast<const char*>(view.Get()),
                                            static_cast<std::size_t>(size.QuadPart)));
}

} // namespace sw
