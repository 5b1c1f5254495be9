// What the fuzz targets share: the input as text, and a broken invariant
// turned into the crash that libFuzzer reports and keeps the input of.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>

namespace swfuzz {

inline std::string Text(const std::uint8_t* data, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

inline void CrashIf(bool broken) {
    if (broken)
        std::abort();
}

} // namespace swfuzz
