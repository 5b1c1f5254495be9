#include "settings/escape_codes.h"

#include "settings/setting_numbers.h"

#include <algorithm>

namespace sw {
namespace {

constexpr std::size_t kGroupLength = 3;
constexpr std::size_t kMaxGroups = 5;

} // namespace

bool IsAllDigits(std::string_view text) {
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

bool IsValidEscapeCodeText(std::string_view text) {
    // "027" and then groups of a blank and three digits: 7, 11, 15 or 19 characters.
    if (text.substr(0, 4) != "027 ")
        return false;
    for (std::size_t groups = 2; groups <= kMaxGroups; ++groups) {
        const std::size_t groupStart = (groups - 1) * (kGroupLength + 1);
        if (groups > 2 && text[groupStart - 1] != ' ')
            return false;
        if (text.size() < groupStart + kGroupLength ||
            !IsAllDigits(text.substr(groupStart, kGroupLength)))
            return false;
        if (text.size() == groupStart + kGroupLength)
            return true;
    }
    return false;
}

std::string EscapeCodeTextToBytes(std::string_view text) {
    std::string bytes;
    while (!text.empty()) {
        const std::int32_t code = RoundToInt32(ParseSettingNumber(text.substr(0, kGroupLength)));
        bytes += static_cast<char>(static_cast<unsigned char>(((code % 256) + 256) % 256));
        if (text.size() <= kGroupLength)
            break;
        text.remove_prefix(kGroupLength);
        text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
    }
    return bytes;
}

std::string TrimTrailingSpaces(std::string_view text) {
    const std::size_t last = text.find_last_not_of(' ');
    return std::string(last == std::string_view::npos ? std::string_view()
                                                      : text.substr(0, last + 1));
}

} // namespace sw
