// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the parameter file reader and the key lookup.
//
// The whole input is read as a parameter file. For the lookup, the first byte gives the length
// (0-15) of a key taken from the bytes after it, and the rest is the text searched.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "model/NumberText.h"
#include "model/ParameterText.h"

namespace quirn::fuzz {
namespace {

void CheckLookup(std::string_view text, std::string_view key) {
    const std::string value = FindParameterValue(text, key);
    if (text.find(key) == std::string_view::npos) QUIRN_FUZZ_CHECK(value.empty());
    if (value.empty()) return;
    for (const char c : value) QUIRN_FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20);
    QUIRN_FUZZ_CHECK(value.front() != ' ' && value.back() != ' ');
    QUIRN_FUZZ_CHECK(text.find(value) != std::string_view::npos);
}

// Whatever a file reads as, writing that record and reading it back gives it again, except that
// range and halfAngle keep two decimals, as long as the written file fits the read limit: a text
// that holds the letters of a key no longer captures it.
void CheckRoundTrip(const ScaleParameters& read) {
    const std::string written = WriteParameterText(read);
    if (written.size() > kParameterReadLimit) return;
    ScaleParameters expected = read;
    expected.range = ParseDecimal(TrimmedNumber(read.range, 2));
    expected.halfAngle = ParseDecimal(TrimmedNumber(read.halfAngle, 2));
    QUIRN_FUZZ_CHECK(ReadScaleParameters(written) == expected);
}

}  // namespace
}  // namespace quirn::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quirn::fuzz;
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    const quirn::ScaleParameters read = quirn::ReadScaleParameters(input);
    CheckRoundTrip(read);

    if (!input.empty()) {
        const std::size_t keyLength = std::min<std::size_t>(input[0] & 0x0F, input.size() - 1);
        CheckLookup(input.substr(1 + keyLength), input.substr(1, keyLength));
    }
    return 0;
}
