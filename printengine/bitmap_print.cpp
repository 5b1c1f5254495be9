// PrintBMP and BLTIMAGE: a bitmap file must not bypass the printer driver, so
// it is drawn through GDI into a placement box given in inches, fitted to the
// box with its proportions kept.
#include "common/handle_guard.h"
#include "common/message_captions.h"
#include "common/system_error.h"
#include "printengine/bitmap_fit.h"
#include "printengine/bitmap_load.h"
#include "printengine/export_arguments.h"
#include "printengine/feedback_api.h"
#include "printengine/raw_job.h"
#include "printengine/swprint.h"

#include <memory>
#include <new>
#include <string>

namespace {

constexpr char kCantLoadBitmap[] = "Can't load bitmap";

struct DeleteDeviceContext {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct DeleteGdiObject {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};

// A device context made with CreateDC or CreateCompatibleDC, and a bitmap.
using OwnedDc = sw::HandleGuard<HDC, DeleteDeviceContext>;
using OwnedBitmap = sw::HandleGuard<HBITMAP, DeleteGdiObject>;

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
    sw::BitmapInfo256 info = sw::DibInfo(size.bmWidth, size.bmHeight, size.bmBitsPixel, BI_RGB);

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

// Draws the loaded bitmap into the box of the target (mode 0 copies, any
// other stretches): 1 when drawn, 0 when not.
SHORT DrawBitmap(HBITMAP bitmap, SHORT mode, double left, double top, double width, double height,
                 HDC target) {
    const sw::DeviceBox box =
        sw::DeviceBoxFromInches(left, top, width, height, GetDeviceCaps(target, LOGPIXELSX),
                                GetDeviceCaps(target, LOGPIXELSY));
    const OwnedDc memory(ScreenCompatibleDc());
    BITMAP size = {};
    if (memory.Get() == nullptr || GetObjectA(bitmap, sizeof(size), &size) == 0)
        return 0;
    const sw::DeviceBox fitted = sw::FitBitmapToBox(box, size.bmWidth, size.bmHeight);

    if (mode == 0) {
        CopyBitmap(target, fitted, memory.Get(), bitmap);
        return 1;
    }
    return StretchBitmap(target, fitted, memory.Get(), bitmap, size) ? 1 : 0;
}

// True when some of the bitmap, fitted into the box, lands on the printable
// area of the printer's page. A bitmap whose size cannot be read counts as
// landing: drawing it reports the failure.
bool ImageLandsOnPage(HDC printer, HBITMAP bitmap, double left, double top, double width,
                      double height) {
    BITMAP size = {};
    if (GetObjectA(bitmap, sizeof(size), &size) == 0)
        return true;
    const sw::DeviceBox box =
        sw::DeviceBoxFromInches(left, top, width, height, GetDeviceCaps(printer, LOGPIXELSX),
                                GetDeviceCaps(printer, LOGPIXELSY));
    return sw::LandsOnPage(sw::FitBitmapToBox(box, size.bmWidth, size.bmHeight),
                           GetDeviceCaps(printer, HORZRES), GetDeviceCaps(printer, VERTRES));
}

// The error of the call that has just failed, after the document it
// belonged to is abandoned, so that no partial page is printed.
LONG AbandonDocument(HDC printer, DWORD fallback) {
    const LONG error = sw::LastErrorOr(fallback);
    AbortDoc(printer);
    return error;
}

// Prints the bitmap as one page of a document on the printer: 0 when the
// spooler took the page, else the error of the step that failed. A bitmap
// that cannot be loaded or drawn prints nothing at all; nor does one whose
// box puts nothing of it on the page (ERROR_INVALID_PARAMETER), rather than
// an empty page reported as printed.
LONG PrintBitmapPage(const std::string& printer, const std::string& file, double left, double top,
                     double width, double height) {
    // An all-zero device mode makes the driver use the printer's own settings.
    // An empty name is refused here: it names no printer.
    DEVMODEA defaults = {};
    sw::ClearLastError();
    const OwnedDc printerDc(
        printer.empty() ? nullptr : CreateDCA(nullptr, printer.c_str(), nullptr, &defaults));
    if (printerDc.Get() == nullptr)
        return sw::LastErrorOr(ERROR_INVALID_PRINTER_NAME);
    sw::ClearLastError();
    const OwnedBitmap bitmap(sw::LoadBitmapFile(file));
    if (bitmap.Get() == nullptr)
        return sw::LastErrorOr(ERROR_INVALID_DATA);

    const HDC dc = printerDc.Get();
    if (!ImageLandsOnPage(dc, bitmap.Get(), left, top, width, height))
        return ERROR_INVALID_PARAMETER;
    const std::string documentName = sw::JobDocumentName(file);
    DOCINFOA document = {};
    document.cbSize = sizeof(document);
    document.lpszDocName = documentName.c_str();
    sw::ClearLastError();
    if (StartDocA(dc, &document) <= 0)
        return sw::LastErrorOr(ERROR_OPEN_FAILED);
    sw::ClearLastError();
    if (StartPage(dc) <= 0)
        return AbandonDocument(dc, ERROR_WRITE_FAULT);
    sw::ClearLastError();
    if (DrawBitmap(bitmap.Get(), 1, left, top, width, height, dc) == 0)
        return AbandonDocument(dc, ERROR_NOT_ENOUGH_MEMORY);
    sw::ClearLastError();
    if (EndPage(dc) <= 0)
        return AbandonDocument(dc, ERROR_WRITE_FAULT);
    sw::ClearLastError();
    if (EndDoc(dc) <= 0)
        return sw::LastErrorOr(ERROR_WRITE_FAULT);
    return 0;
}

} // namespace

extern "C" SHORT WINAPI BLTIMAGE(LPCSTR fileName, SHORT mode, double left, double top, double width,
                                 double height, HDC target) {
    const OwnedBitmap bitmap(sw::LoadBitmapFile(sw::TextArgument(fileName)));
    if (bitmap.Get() == nullptr) {
        sw::Feedback().messageBox(nullptr, kCantLoadBitmap, sw::kShortCaption, MB_OK);
        return 0;
    }
    return DrawBitmap(bitmap.Get(), mode, left, top, width, height, target);
}

extern "C" LONG WINAPI PrintBMP(LPCSTR printerName, LPCSTR fileName, double left, double top,
                                double width, double height) {
    const std::string printer = sw::BoundedText(printerName, sw::kPrinterNameLimit);
    // A path is taken whole, as PrintFile takes it: a cut one would name
    // another file. One longer than any path the system takes is refused.
    const std::string file = sw::BoundedText(fileName, sw::kFileArgumentLimit + 1);
    if (file.size() > sw::kFileArgumentLimit) {
        SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return -1;
    }

    ShowSystemCursor(IDC_WAIT);
    const LONG error = PrintBitmapPage(printer, file, left, top, width, height);
    ShowSystemCursor(IDC_ARROW);
    if (error == 0)
        return 0;
    // A failure is -1, as it always was; its reason is the last error, as
    // after a failed system call. Nothing is shown: the caller reports it.
    SetLastError(static_cast<DWORD>(error));
    return -1;
}
