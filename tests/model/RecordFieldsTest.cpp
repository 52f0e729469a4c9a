// SPDX-License-Identifier: GPL-3.0-or-later
// The record's fields cover all of it: copying the fields in which two plates differ makes the
// one into the other, so that an editor applying only its user's fields loses nothing, and two
// edits of different fields made from the same record both survive.
#include <gtest/gtest.h>

#include <filesystem>

#include "model/ParameterText.h"
#include "model/RecordFields.h"
#include "support/TestFiles.h"

namespace quirn {
namespace {

std::vector<ScaleParameters> Samples() {
    std::vector<ScaleParameters> samples;
    for (const auto& entry : std::filesystem::directory_iterator(QUIRN_TEST_SAMPLES))
        if (entry.path().extension() == ".qrn")
            samples.push_back(ReadScaleParameters(test::Slurp(entry.path())));
    return samples;
}

TEST(RecordFields, CopyingTheDifferingFieldsMakesOnePlateTheOther) {
    const std::vector<ScaleParameters> samples = Samples();
    ASSERT_GE(samples.size(), 12u);
    for (std::size_t a = 0; a < samples.size(); ++a) {
        for (std::size_t b = 0; b < samples.size(); ++b) {
            ScaleParameters made = samples[a];
            const FieldNames differing = DifferingFields(samples[a], samples[b]);
            EXPECT_EQ(differing.empty(), a == b) << a << " " << b;
            CopyFields(samples[b], made, differing);
            EXPECT_EQ(made, samples[b]) << a << " -> " << b;
        }
    }
}

// The sample with the most scales: one edit of a scale's key and one of a label, made apart
// from the same record, merge into a record holding both.
TEST(RecordFields, EditsOfDifferentFieldsMerge) {
    std::vector<ScaleParameters> samples = Samples();
    const auto most = std::max_element(samples.begin(), samples.end(), [](auto& x, auto& y) {
        return x.ext.further.size() < y.ext.further.size();
    });
    ASSERT_GE(most->ext.further.size(), 1u);
    const ScaleParameters base = *most;
    ScaleParameters mine = base;
    mine.ext.further[0].set(&ScaleSetup::points, {{0, 0}, {1, 1}});
    mine.ext.further[0].set(&ScaleSetup::arcWidth, 77);
    ScaleParameters theirs = base;
    theirs.ext.standard = "X";
    theirs.ext.further[0].set(&ScaleSetup::tickRadius, 1234);

    const FieldNames changed = DifferingFields(base, mine);
    EXPECT_EQ(changed, (FieldNames{"2.points", "2.Hduga"}));
    EXPECT_TRUE(DifferingFields(base, theirs, changed).empty()) << "no field edited twice";
    ScaleParameters merged = theirs;
    CopyFields(mine, merged, changed);
    EXPECT_EQ(merged.ext.standard, "X");
    EXPECT_EQ(*merged.ext.further[0].find(&ScaleSetup::tickRadius), 1234);
    EXPECT_EQ(*merged.ext.further[0].find(&ScaleSetup::arcWidth), 77);
    EXPECT_EQ(merged.ext.further[0].find(&ScaleSetup::points)->size(), 2u);
}

}  // namespace
}  // namespace quirn
