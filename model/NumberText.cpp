// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace quirn {
namespace {

bool IsCSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The longest prefix of text (after leading white space) that the C library's decimal syntax
// accepts: sign, digits with an optional ".", an optional exponent. Empty when there is none.
std::string_view DecimalPrefix(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsCSpace(text[i])) ++i;
    const std::size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return {};
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) ++j;
            i = j;
        }
    }
    return text.substr(start, i - start);
}

std::string CommaAsPoint(std::string_view text) {
    std::string copy(text);
    for (char& c : copy)
        if (c == ',') c = '.';
    return copy;
}

std::int32_t Clamp32(long double v) {
    if (!(v == v)) return 0;
    if (v >= static_cast<long double>(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    if (v <= static_cast<long double>(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(v);
}

}  // namespace

std::string TrimmedNumber(double value, int decimals) {
    if (!std::isfinite(value)) return "0";
    std::array<char, 400> buffer{};  // %.3f of the largest double needs 313 characters
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, decimals);
    std::string text(buffer.data(), result.ptr);
    if (text.find('.') != std::string::npos) {
        while (!text.empty() && text.back() == '0') text.pop_back();
        if (!text.empty() && text.back() == '.') text.pop_back();
    }
    // A negative value too small for the decimals, or the zeroth numeral of a negative range,
    // is zero: a dial never reads "-0".
    if (text == "-0") text.erase(0, 1);
    return text;
}

double ParseDecimal(std::string_view text) {
    std::string_view number = DecimalPrefix(text);
    if (number.empty()) return 0.0;
    bool negative = false;
    if (number.front() == '+' || number.front() == '-') {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                        std::chars_format::general);
    // An overflow (1e999) would be infinity and poison every coordinate; an underflow is zero.
    if (result.ec != std::errc() || !std::isfinite(value)) return 0.0;
    return negative ? -value : value;
}

std::int32_t ParseInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsCSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::int64_t magnitude = 0;
    constexpr std::int64_t kCap = std::int64_t{1} << 32;  // beyond either 32-bit limit
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > kCap) magnitude = kCap;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

double ParseFieldDecimal(std::string_view text) {
    return ParseDecimal(CommaAsPoint(text));
}

std::int32_t ParseFieldLength(std::string_view text) {
    // Shift the decimal text itself by two places rather than multiplying the binary double by
    // 100: 0.29 is 0.28999... in binary, and truncating 28.999... would lose a unit.
    const std::string copy = CommaAsPoint(text);
    const std::string_view number = DecimalPrefix(copy);
    if (number.empty()) return 0;
    std::size_t i = 0;
    bool negative = false;
    if (number[i] == '+' || number[i] == '-') negative = number[i++] == '-';
    std::string digits;
    long long pointPosition = -1;  // digits before the decimal point
    for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
        if (number[i] == '.')
            pointPosition = static_cast<long long>(digits.size());
        else
            digits.push_back(number[i]);
    }
    if (pointPosition < 0) pointPosition = static_cast<long long>(digits.size());
    long long exponent = 0;
    if (i < number.size()) exponent = ParseInteger(number.substr(i + 1));
    const long long integerDigits = pointPosition + exponent + 2;
    long double value = 0;
    for (long long d = 0; d < integerDigits && d < static_cast<long long>(digits.size()); ++d) {
        value = value * 10 + (digits[static_cast<std::size_t>(d)] - '0');
        if (value > 1e12L)
            return negative ? std::numeric_limits<std::int32_t>::min()
                            : std::numeric_limits<std::int32_t>::max();
    }
    for (long long d = static_cast<long long>(digits.size()); d < integerDigits && value != 0;
         ++d) {
        value *= 10;
        if (value > 1e12L)
            return negative ? std::numeric_limits<std::int32_t>::min()
                            : std::numeric_limits<std::int32_t>::max();
    }
    return Clamp32(negative ? -value : value);
}

std::int32_t ParseFieldCount(std::string_view text) {
    return ParseInteger(CommaAsPoint(text));
}

}  // namespace quirn
