// The web pages the program opens: the maker's home and order pages and one
// printer-driver download page for each manufacturer of the driver dialog.
#pragma once

#include <cstddef>
#include <string_view>

namespace sw {

inline constexpr std::size_t kWebAddressLimit = 79;

enum WebLink { kMakerHomePage = 1, kMakerOrderPage = 2 };

// The address of OpenWebLink's page `which`; empty for any other number.
std::string_view WebLinkAddress(int which);

// The manufacturers of the driver dialog's list, in its order.
inline constexpr std::size_t kDriverMakerCount = 6;
inline constexpr const char* kDriverMakers[kDriverMakerCount] = {
    "Apollo", "Canon", "Epson", "Hewlett-Packard", "Lexmark", "Okidata"};

// The driver download page of list position `index` (0 to 5); empty outside.
std::string_view DriverDownloadAddress(int index);

} // namespace sw
