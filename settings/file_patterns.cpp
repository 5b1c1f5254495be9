#include "settings/file_patterns.h"

#include "common/path_helpers.h"

namespace sw {
namespace {

char UpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (UpperAscii(a[i]) != UpperAscii(b[i]))
            return false;
    }
    return true;
}

// One part of a pattern against the same part of a name. `star` is the index
// of the first "*" in the pattern's part (npos when none): none compares with
// "?" as a wild card; a leading one passes; a later one compares the
// characters before it literally with as many characters of the name's part.
bool MatchPart(std::string_view namePart, std::string_view patternPart, std::size_t star) {
    if (star == std::string_view::npos)
        return MatchSameLength(namePart, patternPart);
    if (star == 0)
        return true;
    return namePart.size() >= star && patternPart.size() >= star &&
           SameIgnoringCase(namePart.substr(0, star), patternPart.substr(0, star));
}

} // namespace

std::string BasePart(std::string_view text) {
    const std::string name = FileNamePart(text);
    return name.substr(0, name.find('.'));
}

bool MatchSameLength(std::string_view text, std::string_view pattern) {
    if (text.size() != pattern.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (pattern[i] != '?' && UpperAscii(pattern[i]) != UpperAscii(text[i]))
            return false;
    }
    return true;
}

bool MatchFilePattern(std::string_view fileName, std::string_view pattern) {
    const std::string name = FileNamePart(fileName);
    const std::size_t dot = pattern.find('.');
    if (dot == std::string_view::npos)
        return MatchPart(name, pattern, pattern.find('*'));

    const std::size_t baseStar = pattern.substr(0, dot).find('*');
    if (!MatchPart(BasePart(name), BasePart(pattern), baseStar))
        return false;
    // A "*" after the first dot: a leading one matches every extension; a later
    // one makes the text before it a prefix of the name's extension, so "*.do*"
    // matches "do", "doc" and "docx".
    const std::string_view afterDot = pattern.substr(dot + 1);
    const std::size_t extensionStar = afterDot.find('*');
    if (extensionStar != std::string_view::npos)
        return MatchPart(ExtensionPart(name), afterDot, extensionStar);
    return MatchSameLength(ExtensionPart(name), ExtensionPart(pattern));
}

} // namespace sw
