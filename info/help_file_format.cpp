#include "info/help_file_format.h"

namespace sw {

std::int32_t HelpContextHash(std::string_view context) {
    std::uint32_t hash = 0;
    for (char c : context) {
        std::uint32_t x = 0;
        if (c >= 'A' && c <= 'Z')
            x = static_cast<std::uint32_t>(c - 'A' + 17);
        else if (c >= 'a' && c <= 'z')
            x = static_cast<std::uint32_t>(c - 'a' + 17);
        else if (c >= '1' && c <= '9')
            x = static_cast<std::uint32_t>(c - '0');
        else if (c == '0')
            x = 10;
        else if (c == '.')
            x = 12;
        else if (c == '_')
            x = 13;
        if (x != 0)
            hash = hash * 43 + x;
    }
    return static_cast<std::int32_t>(hash);
}

} // namespace sw
