#include "info/web_addresses.h"

namespace sw {
namespace {

// Placeholder addresses under the domain reserved for examples.
constexpr const char* kDriverPages[kDriverMakerCount] = {
    "https://www.example.com/drivers/apollo/",  "https://www.example.com/drivers/canon/",
    "https://www.example.com/drivers/epson/",   "https://www.example.com/drivers/hewlett-packard/",
    "https://www.example.com/drivers/lexmark/", "https://www.example.com/drivers/okidata/",
};

} // namespace

std::string_view WebLinkAddress(int which) {
    switch (which) {
    case kMakerHomePage:
        return "https://www.quorvel.example.com/";
    case kMakerOrderPage:
        return "https://www.quorvel.example.com/order/spoolwright.html";
    }
    return std::string_view();
}

std::string_view DriverDownloadAddress(int index) {
    if (index < 0 || index >= static_cast<int>(kDriverMakerCount))
        return std::string_view();
    return kDriverPages[index];
}

} // namespace sw
