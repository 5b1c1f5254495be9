// How the library's exports take their text arguments: NUL-terminated
// strings owned by the caller, null counting as empty, and how much of each
// is used. Portable, so that every rule is unit-tested on the host.
#pragma once

#include <cstddef>
#include <string>

namespace sw {

// The most of a printer name PrintFile and PrintBMP use, and of a file name
// where one is cut.
inline constexpr std::size_t kPrinterNameLimit = 59;
inline constexpr std::size_t kFileNameLimit = 259;
// The longest file argument PrintFile and PrintBMP take whole: the system's
// longest path (32767 UTF-16 units) at three bytes each in UTF-8. A path is
// never cut: a longer one is refused.
inline constexpr std::size_t kFileArgumentLimit = 3 * 32767;
// What line printing uses of its printer name and of each line.
inline constexpr std::size_t kLinePrinterNameLimit = 39;
inline constexpr std::size_t kLineTextLimit = 39;

// A NUL-terminated argument as text; null counts as empty.
std::string TextArgument(const char* text);

// The first `limit` characters of a NUL-terminated argument; null counts as empty.
std::string BoundedText(const char* text, std::size_t limit);

} // namespace sw
