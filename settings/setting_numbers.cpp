#include "settings/setting_numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace sw {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t SkipDigits(std::string_view text, std::size_t at) {
    while (at < text.size() && IsDigit(text[at]))
        ++at;
    return at;
}

// The length of the longest prefix of `text` (no sign, no blanks) that is a
// decimal number: digits, an optional fraction, an optional exponent. Zero
// when the text does not start with a digit or a dot followed by a digit.
std::size_t NumberLength(std::string_view text) {
    std::size_t end = SkipDigits(text, 0);
    const bool integerDigits = end > 0;
    bool fractionDigits = false;
    if (end < text.size() && text[end] == '.') {
        const std::size_t fractionEnd = SkipDigits(text, end + 1);
        fractionDigits = fractionEnd > end + 1;
        if (integerDigits || fractionDigits)
            end = fractionEnd;
    }
    if (!integerDigits && !fractionDigits)
        return 0;
    if (end < text.size() && (text[end] == 'E' || text[end] == 'e')) {
        std::size_t exponent = end + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-'))
            ++exponent;
        const std::size_t exponentEnd = SkipDigits(text, exponent);
        if (exponentEnd > exponent)
            end = exponentEnd;
    }
    return end;
}

// The power of ten of the first non-zero digit of a well-formed number text
// (no sign): 0 for "5", 2 for "123", -3 for "0.001", 4 for "1e4". Large
// exponents saturate, which keeps the sign of the answer right.
long long DecimalOrder(std::string_view number) {
    const std::size_t exponentAt = number.find_first_of("Ee");
    long long exponent = 0;
    if (exponentAt != std::string_view::npos) {
        std::size_t at = exponentAt + 1;
        const bool negative = number[at] == '-';
        if (number[at] == '+' || number[at] == '-')
            ++at;
        for (; at < number.size() && exponent < 1000000000; ++at)
            exponent = exponent * 10 + (number[at] - '0');
        if (negative)
            exponent = -exponent;
    }
    const std::string_view mantissa = number.substr(0, exponentAt);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t firstNonZero = mantissa.find_first_not_of("0.");
    if (firstNonZero == std::string_view::npos)
        return 0; // the value is zero
    const long long order = firstNonZero < point ? static_cast<long long>(point - firstNonZero) - 1
                                                 : -static_cast<long long>(firstNonZero - point);
    return order + exponent;
}

template <typename Integer> Integer RoundClamped(double value) {
    if (std::isnan(value))
        return 0;
    const double rounded = std::round(value);
    if (rounded <= static_cast<double>(std::numeric_limits<Integer>::min()))
        return std::numeric_limits<Integer>::min();
    if (rounded >= static_cast<double>(std::numeric_limits<Integer>::max()))
        return std::numeric_limits<Integer>::max();
    return static_cast<Integer>(rounded);
}

} // namespace

double ParseSettingNumber(std::string_view text) {
    std::size_t at = text.find_first_not_of(" \t\r\n");
    if (at == std::string_view::npos)
        return 0;
    bool negative = false;
    if (text[at] == '+' || text[at] == '-') {
        negative = text[at] == '-';
        ++at;
    }
    const std::string_view digits = text.substr(at, NumberLength(text.substr(at)));
    if (digits.empty())
        return 0;
    double magnitude = 0;
    const auto parsed = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
    if (parsed.ec == std::errc::result_out_of_range) {
        const bool tooLarge = DecimalOrder(digits) > 0;
        magnitude = tooLarge ? std::numeric_limits<double>::max() : 0.0;
    } else if (parsed.ec != std::errc()) {
        return 0;
    }
    return negative ? -magnitude : magnitude;
}

std::optional<double> ParseWholeNumberText(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return std::nullopt;
    const std::string_view number = text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
    const std::size_t sign = number[0] == '+' || number[0] == '-' ? 1 : 0;
    const std::string_view digits = number.substr(sign);
    if (digits.empty() || NumberLength(digits) != digits.size())
        return std::nullopt;
    return ParseSettingNumber(number);
}

std::string FormatSettingNumber(double value) {
    if (!std::isfinite(value) || value == 0)
        return "0"; // also turns -0 into "0"
    char text[64];
    const auto written =
        std::to_chars(text, text + sizeof(text), value, std::chars_format::general, 15);
    if (written.ec != std::errc())
        return "0";
    std::string result(text, written.ptr);
    for (char& c : result) {
        if (c == 'e')
            c = 'E';
    }
    return result;
}

std::int32_t RoundToInt32(double value) {
    return RoundClamped<std::int32_t>(value);
}

std::int16_t RoundToInt16(double value) {
    return RoundClamped<std::int16_t>(value);
}

std::int16_t ParseSettingFlag(std::string_view text) {
    constexpr std::size_t kFlagValueLimit = 79;
    return RoundToInt16(ParseSettingNumber(text.substr(0, kFlagValueLimit)));
}

} // namespace sw
