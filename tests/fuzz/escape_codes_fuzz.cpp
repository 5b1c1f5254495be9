// Feeds arbitrary text to the escape-code checks and the settings number
// parse: no input crashes them, a valid code text converts to one byte per
// group, and every number written reads back as the same text.
#include "fuzz_check.h"
#include "settings/escape_codes.h"
#include "settings/setting_numbers.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = swfuzz::Text(data, size);

    const std::string bytes = sw::EscapeCodeTextToBytes(text);
    swfuzz::CrashIf(bytes.size() > (text.size() + 2) / 3);
    if (sw::IsValidEscapeCodeText(text)) {
        swfuzz::CrashIf(bytes.size() != (text.size() + 1) / 4 || bytes[0] != '\x1B');
        for (std::size_t group = 0; group < bytes.size(); ++group) {
            const int code = std::atoi(text.substr(group * 4, 3).c_str());
            swfuzz::CrashIf(static_cast<unsigned char>(bytes[group]) != code % 256);
        }
    }

    const double value = sw::ParseSettingNumber(text);
    swfuzz::CrashIf(!std::isfinite(value));
    const std::string written = sw::FormatSettingNumber(value);
    swfuzz::CrashIf(sw::FormatSettingNumber(sw::ParseSettingNumber(written)) != written);
    sw::RoundToInt16(value);
    sw::RoundToInt32(value);
    return 0;
}
