#include "settings/printer_page.h"

#include "common/handle_guard.h"

#include <windows.h>

namespace sw {
namespace {

struct DeleteDeviceContext {
    void operator()(HDC dc) const { DeleteDC(dc); }
};

} // namespace

std::optional<PageSize> PrinterPageSize(const std::string& printer) {
    if (printer.empty())
        return std::nullopt;
    // An information context is enough to ask; it starts no job.
    const HandleGuard<HDC, DeleteDeviceContext> dc(
        CreateICA(nullptr, printer.c_str(), nullptr, nullptr));
    if (dc.Get() == nullptr)
        return std::nullopt;
    const int dotsX = GetDeviceCaps(dc.Get(), LOGPIXELSX);
    const int dotsY = GetDeviceCaps(dc.Get(), LOGPIXELSY);
    const int width = GetDeviceCaps(dc.Get(), PHYSICALWIDTH);
    const int height = GetDeviceCaps(dc.Get(), PHYSICALHEIGHT);
    if (dotsX <= 0 || dotsY <= 0 || width <= 0 || height <= 0)
        return std::nullopt;
    return PageSize{static_cast<double>(width) / dotsX, static_cast<double>(height) / dotsY};
}

} // namespace sw
