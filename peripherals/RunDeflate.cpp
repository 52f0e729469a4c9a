// SPDX-License-Identifier: GPL-3.0-or-later
#include "peripherals/RunDeflate.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace quirn {
namespace {

constexpr std::uint64_t kAdlerBase = 65521;
// Bytes added between reductions of the checksum's sums, so that they stay within 64 bits.
constexpr std::size_t kSlice = std::size_t{1} << 20;
constexpr int kShortestMatch = 3;
constexpr int kLongestMatch = 258;

struct Code {
    std::uint32_t bits = 0;  // in the order they are written, first bit lowest
    int count = 0;
};

constexpr std::uint32_t Reversed(std::uint32_t code, int count) {
    std::uint32_t reversed = 0;
    for (int i = 0; i < count; ++i, code >>= 1) reversed = reversed << 1 | (code & 1);
    return reversed;
}

// The fixed literal and length codes: 0-143 in 8 bits, 144-255 in 9, 256-279 in 7, 280-287 in 8.
constexpr Code FixedCode(int symbol) {
    if (symbol < 144) return {Reversed(std::uint32_t(0x30 + symbol), 8), 8};
    if (symbol < 256) return {Reversed(std::uint32_t(0x190 + symbol - 144), 9), 9};
    if (symbol < 280) return {Reversed(std::uint32_t(symbol - 256), 7), 7};
    return {Reversed(std::uint32_t(0xC0 + symbol - 280), 8), 8};
}

constexpr std::array<Code, 256> Literals() {
    std::array<Code, 256> codes{};
    for (int i = 0; i < 256; ++i) codes[std::size_t(i)] = FixedCode(i);
    return codes;
}

// A repeat of the byte before, by length: the length's code, its extra bits and distance 1,
// whose fixed code is five zero bits.
constexpr std::array<Code, kLongestMatch + 1> Repeats() {
    constexpr int base[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                              31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
    constexpr int extra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                               2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
    std::array<Code, kLongestMatch + 1> codes{};
    for (int length = kShortestMatch; length <= kLongestMatch; ++length) {
        int k = 28;
        while (base[k] > length) --k;
        const Code symbol = FixedCode(257 + k);
        codes[std::size_t(length)] = {symbol.bits | std::uint32_t(length - base[k]) << symbol.count,
                                      symbol.count + extra[k] + 5};
    }
    return codes;
}

constexpr std::array<Code, 256> kLiterals = Literals();
constexpr std::array<Code, kLongestMatch + 1> kRepeats = Repeats();
constexpr Code kEndOfBlock = FixedCode(256);

// Where the run of value that starts at data[from] ends, comparing eight bytes at a time.
std::size_t RunEnd(const uchar* data, std::size_t from, std::size_t length, uchar value) {
    const std::uint64_t pattern = 0x0101010101010101ULL * value;
    std::size_t end = from;
    for (; end + 8 <= length; end += 8) {
        std::uint64_t word;
        std::memcpy(&word, data + end, 8);
        const std::uint64_t differ = word ^ pattern;
        if (differ == 0) continue;
        if constexpr (std::endian::native == std::endian::little)
            return end + std::size_t(std::countr_zero(differ) / 8);
        else
            return end + std::size_t(std::countl_zero(differ) / 8);
    }
    while (end < length && data[end] == value) ++end;
    return end;
}

}  // namespace

RunDeflate::RunDeflate(std::vector<uchar>& out) : out_(out) {
    put(0b010, 3);  // a block of fixed codes, not the last
}

void RunDeflate::put(std::uint32_t bits, int count) {
    pending_ |= std::uint64_t{bits} << pendingBits_;
    pendingBits_ += count;
    if (pendingBits_ < 32) return;
    const std::size_t at = out_.size();
    out_.resize(at + 4);
    for (int i = 0; i < 4; ++i) out_[at + std::size_t(i)] = uchar(pending_ >> (8 * i));
    pending_ >>= 32;
    pendingBits_ -= 32;
}

void RunDeflate::literal(uchar value) {
    put(kLiterals[value].bits, kLiterals[value].count);
    sum_ += value;
    weighted_ += sum_;
}

// The run's checksum at once: each of its bytes adds value to the sum and the sum to the
// weighted sum.
void RunDeflate::run(uchar value, std::size_t length) {
    const std::uint64_t n = length;
    weighted_ = (weighted_ + n * sum_ + value * (n * (n + 1) / 2 % kAdlerBase)) % kAdlerBase;
    sum_ = (sum_ + n * value) % kAdlerBase;
    while (length >= std::size_t(kShortestMatch)) {
        std::size_t take = std::min<std::size_t>(length, kLongestMatch);
        // Never leave a tail too short to be a repeat when a shorter repeat avoids it.
        if (length > std::size_t(kLongestMatch) && length - take < std::size_t(kShortestMatch))
            take = length - std::size_t(kShortestMatch);
        put(kRepeats[take].bits, kRepeats[take].count);
        length -= take;
    }
    for (; length > 0; --length) put(kLiterals[value].bits, kLiterals[value].count);
}

void RunDeflate::add(const uchar* data, std::size_t length) {
    added_ += length;
    for (std::size_t start = 0; start < length; start += kSlice) {
        const std::size_t end = std::min(length, start + kSlice);
        std::size_t i = start;
        while (i < end) {
            const uchar value = data[i++];
            literal(value);
            const std::size_t runEnd = RunEnd(data, i, end, value);
            if (runEnd - i >= std::size_t(kShortestMatch)) {
                run(value, runEnd - i);
                i = runEnd;
            }
        }
        sum_ %= kAdlerBase;
        weighted_ %= kAdlerBase;
    }
}

void RunDeflate::align() {
    while (pendingBits_ > 0) {
        out_.push_back(uchar(pending_));
        pending_ >>= 8;
        pendingBits_ = std::max(pendingBits_ - 8, 0);
    }
    pending_ = 0;
}

void RunDeflate::finish(Ending ending) {
    put(kEndOfBlock.bits, kEndOfBlock.count);
    if (ending == Ending::Last) {
        // An empty last block of fixed codes.
        put(0b011, 3);
        put(kEndOfBlock.bits, kEndOfBlock.count);
        align();
        return;
    }
    // An empty stored block brings the stream to a whole byte, as zlib's full flush does.
    put(0b000, 3);
    align();
    out_.insert(out_.end(), {0x00, 0x00, 0xFF, 0xFF});
}

std::uint32_t RunDeflate::adler() const {
    return std::uint32_t((weighted_ % kAdlerBase) << 16 | (sum_ % kAdlerBase));
}

}  // namespace quirn
