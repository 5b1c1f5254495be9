// PrintBMP and BLTIMAGE: a bitmap file must not bypass the printer driver, so
// it is drawn through GDI into a placement box given in inches, fitted to the
// box with its proportions kept.
#include "common/handle_guard.h"
#include "printengine/bitmap_fit.h"
#include "printengine/feedback_api.h"
#include "printengine/raw_job.h"
#include "printengine/swprint.h"

#include <memory>
#include <new>
#include <string>

namespace {

constexpr char kCantLoadBitmap[] = "Can't load bitmap";
constexpr char kMessageCaption[] = "Spoolwright";

struct DeleteDeviceContext {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct DeleteGdiObject {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};

// A device context made with CreateDC or CreateCompatibleDC, and a bitmap.
using OwnedDc = sw::HandleGuard<HDC, DeleteDeviceContext>;
using OwnedBitmap = sw::HandleGuard<HBITMAP, DeleteGdiObject>;

// A BITMAPINFO with room for a full 256-entry colour table.
struct BitmapInfo256 {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
};

void ShowSystemCursor(LPCSTR shape) {
    sw::Feedback().setCursor(LoadCursorA(nullptr, shape));
}

HDC ScreenCompatibleDc() {
    const HWND desktop = GetDesktopWindow();
    const HDC screen = GetDC(desktop);
    const HDC memory = CreateCompatibleDC(screen);
    ReleaseDC(desktop, screen);
    return memory;
}

// Copies the bitmap 1:1 from its top-left corner into the box; what does not
// fit in the box is cut off.
void CopyBitmap(HDC target, const sw::DeviceBox& box, HDC memory, HBITMAP bitmap) {
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(target, box.x, box.y, box.width, box.height, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
}

// Stretches the whole bitmap onto the box through a device-independent copy
// of its pixels, which the printer driver can take whatever the screen's
// format. False when the copy cannot be made.
bool StretchBitmap(HDC target, const sw::DeviceBox& box, HDC memory, HBITMAP bitmap,
                   const BITMAP& size) {
    BitmapInfo256 info = {};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = size.bmWidth;
    info.header.biHeight = size.bmHeight;
    info.header.biPlanes = 1;
    info.header.biBitCount = size.bmBitsPixel;
    info.header.biCompression = BI_RGB;

    const auto bytes = sw::DibPixelBytes(size.bmWidth, size.bmHeight, size.bmBitsPixel);
    if (!bytes)
        return false;
    const std::unique_ptr<BYTE[]> pixels(new (std::nothrow) BYTE[*bytes]);
    if (!pixels)
        return false;
    auto* header = reinterpret_cast<BITMAPINFO*>(&info);
    // Drawing a buffer that was never filled would print noise.
    if (GetDIBits(memory, bitmap, 0, static_cast<UINT>(size.bmHeight), pixels.get(), header,
                  DIB_RGB_COLORS) == 0)
        return false;
    if (box.width > 0 && box.height > 0)
        StretchDIBits(target, box.x, box.y, box.width, box.height, 0, 0, size.bmWidth,
                      size.bmHeight, pixels.get(), header, DIB_RGB_COLORS, SRCCOPY);
    return true;
}

} // namespace

extern "C" SHORT WINAPI BLTIMAGE(LPCSTR fileName, SHORT mode, double left, double top, double width,
                                 double height, HDC target) {
    const sw::DeviceBox box =
        sw::DeviceBoxFromInches(left, top, width, height, GetDeviceCaps(target, LOGPIXELSX),
                                GetDeviceCaps(target, LOGPIXELSY));

    const std::string file = sw::TextArgument(fileName);
    const OwnedBitmap bitmap(static_cast<HBITMAP>(
        LoadImageA(nullptr, file.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
    if (bitmap.Get() == nullptr) {
        sw::Feedback().messageBox(nullptr, kCantLoadBitmap, kMessageCaption, MB_OK);
        return 0;
    }

    const OwnedDc memory(ScreenCompatibleDc());
    BITMAP size = {};
    if (memory.Get() == nullptr || GetObjectA(bitmap.Get(), sizeof(size), &size) == 0)
        return 0;
    const sw::DeviceBox fitted = sw::FitBitmapToBox(box, size.bmWidth, size.bmHeight);

    if (mode == 0) {
        CopyBitmap(target, fitted, memory.Get(), bitmap.Get());
        return 1;
    }
    return StretchBitmap(target, fitted, memory.Get(), bitmap.Get(), size) ? 1 : 0;
}

extern "C" LONG WINAPI PrintBMP(LPCSTR printerName, LPCSTR fileName, double left, double top,
                                double width, double height) {
    const std::string printer = sw::BoundedText(printerName, sw::kPrinterNameLimit);
    const std::string file = sw::BoundedText(fileName, sw::kFileNameLimit);
    const std::string documentName = sw::JobDocumentName(file);

    ShowSystemCursor(IDC_WAIT);
    // An all-zero device mode makes the driver use the printer's own settings.
    // An empty name is refused here: it names no printer.
    DEVMODEA defaults = {};
    const OwnedDc printerDc(
        printer.empty() ? nullptr : CreateDCA(nullptr, printer.c_str(), nullptr, &defaults));
    if (printerDc.Get() == nullptr) {
        ShowSystemCursor(IDC_ARROW);
        return -1;
    }

    DOCINFOA document = {};
    document.cbSize = sizeof(document);
    document.lpszDocName = documentName.c_str();
    // Without a started document nothing reaches the printer: report it as
    // the failure it is rather than as a printed page.
    if (StartDocA(printerDc.Get(), &document) <= 0) {
        ShowSystemCursor(IDC_ARROW);
        return -1;
    }
    StartPage(printerDc.Get());
    BLTIMAGE(file.c_str(), 1, left, top, width, height, printerDc.Get());
    EndPage(printerDc.Get());
    EndDoc(printerDc.Get());
    ShowSystemCursor(IDC_ARROW);
    return 0;
}
