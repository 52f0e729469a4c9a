// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the number inputs of the parameter panel and the parameter file, checked against
// the C library where that is cheap.
//
// The process never calls setlocale, so strtod and strtol run in the C locale.
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "model/NumberText.h"

namespace quirn::fuzz {
namespace {

std::int32_t Clamp32(long value) {
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

std::string CommaAsPoint(std::string_view text) {
    std::string copy(text);
    for (char& c : copy)
        if (c == ',') c = '.';
    return copy;
}

struct CResult {
    double value = 0.0;
    bool comparable = false;  // the C library took the whole text as a plain finite decimal
    bool underflow = false;
};

// strtod on text, comparable only when it consumed all of it and the text is not one of the
// forms the model leaves out on purpose: hexadecimal, "inf" and "nan".
CResult CDecimal(const std::string& text) {
    CResult r;
    if (text.find_first_of("xXiInN") != std::string::npos) return r;
    char* end = nullptr;
    errno = 0;
    r.value = std::strtod(text.c_str(), &end);
    r.underflow = errno == ERANGE && std::fabs(r.value) <= std::numeric_limits<double>::min();
    r.comparable = end == text.c_str() + text.size() && std::isfinite(r.value) &&
                   !(errno == ERANGE && !r.underflow);
    return r;
}

// An underflow may come back as zero rather than as the C library's subnormal.
bool SameDecimal(double ours, const CResult& c) {
    return ours == c.value || (c.underflow && ours == 0.0);
}

void CheckIntegers(std::string_view text) {
    const std::string copy(text);
    QUIRN_FUZZ_CHECK(ParseInteger(text) == Clamp32(std::strtol(copy.c_str(), nullptr, 10)));
    const std::string points = CommaAsPoint(text);
    QUIRN_FUZZ_CHECK(ParseFieldCount(text) == Clamp32(std::strtol(points.c_str(), nullptr, 10)));
}

void CheckDecimals(std::string_view text) {
    const CResult c = CDecimal(std::string(text));
    if (c.comparable) QUIRN_FUZZ_CHECK(SameDecimal(ParseDecimal(text), c));

    const CResult field = CDecimal(CommaAsPoint(text));
    if (!field.comparable) return;
    QUIRN_FUZZ_CHECK(SameDecimal(ParseFieldDecimal(text), field));
    // The length shifts the decimal text exactly; the binary double times 100 may land one unit
    // below where the decimal is exact (0.29 x 100 = 28.999...), never further off.
    if (std::fabs(field.value) < 1e7) {
        const auto viaDouble = static_cast<std::int64_t>(field.value * 100.0);
        const std::int64_t length = ParseFieldLength(text);
        QUIRN_FUZZ_CHECK(length - viaDouble <= 1 && viaDouble - length <= 1);
    }
}

// "<digits>.<two digits>" millimetres are exactly those digits in drawing units.
void CheckPlainLength(std::string_view text) {
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos || point == 0 || point > 12 || text.size() != point + 3)
        return;
    std::int64_t exact = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i == point) continue;
        if (text[i] < '0' || text[i] > '9') return;
        exact = exact * 10 + (text[i] - '0');
    }
    const std::int64_t expected =
        std::min<std::int64_t>(exact, std::numeric_limits<std::int32_t>::max());
    QUIRN_FUZZ_CHECK(ParseFieldLength(text) == expected);
}

}  // namespace
}  // namespace quirn::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quirn::fuzz;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // The C library stops at a NUL; the model's functions take the whole view.
    if (text.find('\0') != std::string_view::npos) {
        (void)quirn::ParseDecimal(text);
        (void)quirn::ParseInteger(text);
        (void)quirn::ParseFieldDecimal(text);
        (void)quirn::ParseFieldLength(text);
        (void)quirn::ParseFieldCount(text);
        return 0;
    }
    CheckIntegers(text);
    CheckDecimals(text);
    CheckPlainLength(text);
    return 0;
}
