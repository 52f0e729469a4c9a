// SPDX-License-Identifier: GPL-3.0-or-later
// Every key of a scale has its control on the scale's page: what a page is filled with comes
// back from it unchanged, on scale 1's page (the keys that are not the panel's) and on a further
// scale's (every key, set or left to scale 1). A key added to the table without a control, or
// with one that loses its value, fails here.
#include <gtest/gtest.h>

#include <variant>

#include "model/Overload.h"
#include "model/ScaleKeys.h"
#include "support/ScriptedPrompts.h"
#include "view/scales/ScalePage.h"

namespace quirn {
namespace {

using S = ScaleSetup;

// A value unlike the default, of whatever the key holds.
void SetSample(const ScaleKey& row, ScaleSetup& s) {
    std::visit(Overload{[&](std::int32_t S::*m) { s.*m = 1; }, [&](double S::*m) { s.*m = 2.5; },
                        [&](ScaleLaw S::*m) { s.*m = ScaleLaw::Square; },
                        [&](std::vector<TablePoint> S::*m) {
                            s.*m = {{0, 0}, {2.5, 1}};
                        },
                        [&](std::optional<std::vector<double>> S::*m) {
                            s.*m = std::vector<double>{1, 2};
                        },
                        [&](std::optional<std::vector<Mark>> S::*m) {
                            s.*m = std::vector<Mark>{{1, "a"}};
                        },
                        [&](std::optional<std::uint32_t> S::*m) { s.*m = 0x123456; },
                        [&](const ScaleText& t) { s.*t.text = "mA"; }},
               row.member);
}

TEST(ScalePage, EveryKeyOfTheTableComesBackFromItsPage) {
    test::ScriptedPrompts prompts;
    ScalePage first(PageScale::First, prompts);
    ScalePage further(PageScale::Further, prompts);

    ScaleParameters one = kDefaultParameters;
    FurtherScale every;
    for (std::size_t row = 0; row < kScaleKeys.size(); ++row) {
        const ScaleKey& key = kScaleKeys[row];
        const bool own = key.firstScale == FirstScaleLine::Extension;
        EXPECT_EQ(first.control(row) != nullptr, own) << key.key << ": the panel's or the page's";
        if (own) SetSample(key, one);
        SetSample(key, every.values);
        every.sets.set(row);
    }

    first.Fill(one);
    ScaleParameters read = kDefaultParameters;
    EXPECT_TRUE(first.ReadInto(read).ok());
    EXPECT_EQ(read, one);

    for (const FurtherScale& s : {every, FurtherScale{}}) {
        further.Fill(s);
        FurtherScale back;
        back.set(&S::tickRadius, 1234);  // replaced whole
        EXPECT_TRUE(further.ReadInto(back).ok());
        EXPECT_EQ(back, s) << "sets " << s.sets.count() << " keys";
    }
}

}  // namespace
}  // namespace quirn
