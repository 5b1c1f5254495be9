#include "printengine/export_arguments.h"

#include <cstring>

namespace sw {

std::string TextArgument(const char* text) {
    return text != nullptr ? std::string(text) : std::string();
}

std::string BoundedText(const char* text, std::size_t limit) {
    if (text == nullptr)
        return std::string();
    // Never reads past the limit, so a long argument need not be terminated early.
    const void* end = std::memchr(text, '\0', limit);
    const std::size_t length = end ? static_cast<const char*>(end) - text : limit;
    return std::string(text, length);
}

} // namespace sw
