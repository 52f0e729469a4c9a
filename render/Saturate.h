// SPDX-License-Identifier: GPL-3.0-or-later
// Integer conversions of the renderer. Parameters arrive unvalidated, so every real value that
// becomes a coordinate, and every sum that may leave the int range, goes through these.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

#include "render/DrawingSurface.h"

namespace quirn {

// Truncation toward zero, saturating at the int range; NaN becomes 0.
inline int TruncToInt(double value) {
    if (std::isnan(value)) return 0;
    if (value >= 2147483647.0) return std::numeric_limits<int>::max();
    if (value <= -2147483648.0) return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

// The nearest whole number (halves away from zero), saturating at the int range; NaN becomes 0.
inline int RoundToInt(double value) {
    return TruncToInt(std::round(value));
}

inline int ClampToInt(std::int64_t value) {
    if (value > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

// A point from coordinates computed in 64 bits.
inline Point At(std::int64_t x, std::int64_t y) {
    return {ClampToInt(x), ClampToInt(y)};
}

// |value| x num / den rounded to the nearest whole number (halves away from zero), as a metric
// mapping converts sizes; num and den must be positive. Saturates at the int64 range.
inline std::int64_t ScaleMagnitude(std::int64_t value, std::int64_t num, std::int64_t den) {
    __extension__ using Wide = __int128;
    Wide magnitude = value < 0 ? -Wide(value) : Wide(value);
    Wide result = (magnitude * num + den / 2) / den;
    if (result > std::numeric_limits<std::int64_t>::max())
        return std::numeric_limits<std::int64_t>::max();
    return static_cast<std::int64_t>(result);
}

}  // namespace quirn
