// Small text operations that several subsystems share.
#pragma once

#include <string>
#include <string_view>

namespace sw {

// Removes leading and trailing space characters (only ' ', not tabs).
std::string TrimSpaces(std::string_view text);

// The text with the ASCII letters a-z made upper case; other bytes unchanged.
std::string UpperCase(std::string_view text);

} // namespace sw
