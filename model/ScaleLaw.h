// SPDX-License-Identifier: GPL-3.0-or-later
// Where a value lies on a scale: the fraction of the arc from its left end (0) to its right
// end (1), by the scale's law; and the scales of a plate with what each takes from scale 1.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/Outcome.h"
#include "model/ScaleParameters.h"

namespace quirn {

// One scale as it is drawn: the plate's record without extensions, its scale part being this
// scale's (scale 1's, or a further scale's own keys over scale 1's).
struct ResolvedScale {
    int number = 1;
    ScaleParameters graduation;
    // The label beside the scale's right end: a further scale's own unit; scale 1's unit is the
    // plate's label.
    const std::string& endUnit() const {
        static const std::string kNone;
        return number == 1 ? kNone : graduation.unit;
    }
};

std::vector<ResolvedScale> ResolveScales(const ScaleParameters& p);

// The values a scale shows, from its start to its end either way round; an ohm scale's run from
// 0 (its right end) up without bound (its left end is infinity), a standing-wave-ratio scale's
// from 1 (its left end) up without bound (its right end). A list value outside them has no
// place on the scale: it is refused when typed and left out when a file holds it.
struct ValueSpan {
    double low = 0.0;
    double high = 0.0;
    bool contains(double value) const { return value >= low && value <= high; }
};
ValueSpan ScaleValues(const ScaleSetup& s);

// A scale's law with what it needs to place values: a table's sound points and their slopes.
struct LawCurve {
    double start = 0.0;
    double range = 0.0;
    std::vector<TablePoint> points;
    std::vector<double> slopes;  // a table's tangents at its points
};

// A scale's law made ready to place many values: a table's slopes are worked out once, so that
// each value costs a search among the points rather than a pass over all of them.
//
// A table is drawn through its points in order, leaving out each point whose value does not
// rise, or whose fraction falls, from the last one kept: a file's table that folds back keeps its
// sound part instead of piling values up. Values the table does not reach have no place, so a
// table that covers only part of its scale draws that part.
class ScaleMap {
  public:
    explicit ScaleMap(const ScaleSetup& scale);
    // The fraction of the arc where value lies; nothing where the law has no place for it (a
    // table outside its points, a value the law cannot take).
    std::optional<double> operator()(double value) const;

  private:
    std::optional<double> (*fraction_)(const LawCurve&, double);
    LawCurve curve_;
};

inline std::optional<double> ScaleFraction(const ScaleSetup& scale, double value) {
    return ScaleMap(scale)(value);
}

// A refusal of one scale's law or lists (a Fault from EmptySpan to NumberOutside): its
// arguments are the scale's number, the item at fault and the ends of the scale's values, an
// infinite end written "∞".
Outcome ScaleRefusal(Fault fault, const ResolvedScale& scale, std::string item = {});
std::string EndText(double value);

// The first problem of the plate's scales and zones, in scale order.
Outcome CheckScales(const ScaleParameters& p);

}  // namespace quirn
