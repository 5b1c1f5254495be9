// Feeds arbitrary names and patterns to the matcher: no input crashes it, a
// name matches itself in any letter case, and a lone "*" matches every name.
#include "common/path_helpers.h"
#include "fuzz_check.h"
#include "settings/file_patterns.h"

#include <cstdint>
#include <string>

namespace {

std::string SwappedCase(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        else if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input = swfuzz::Text(data, size);
    // The name and the pattern are separated by the first zero byte.
    const std::size_t split = input.find('\0');
    const std::string name = input.substr(0, split);
    const std::string pattern = split == std::string::npos ? "" : input.substr(split + 1);

    sw::MatchFilePattern(name, pattern);
    sw::MatchSameLength(name, pattern);
    sw::BasePart(pattern);

    swfuzz::CrashIf(!sw::MatchFilePattern(name, "*") || !sw::MatchSameLength(name, name));
    const std::string fileName = sw::FileNamePart(name);
    swfuzz::CrashIf(fileName.find('*') == std::string::npos &&
                    (!sw::MatchFilePattern(name, fileName) ||
                     !sw::MatchFilePattern(name, SwappedCase(fileName))));
    return 0;
}
