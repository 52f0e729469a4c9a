// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "model/NumberText.h"
#include "model/ParameterText.h"
#include "support/CommaLocale.h"

namespace quirn {
namespace {

TEST(TrimmedNumber, DropsTrailingZerosThenThePoint) {
    EXPECT_EQ(TrimmedNumber(15.0, 2), "15");
    EXPECT_EQ(TrimmedNumber(42.5, 2), "42.5");
    EXPECT_EQ(TrimmedNumber(100.0, 3), "100");
    EXPECT_EQ(TrimmedNumber(2.5 / 4, 3), "0.625");
    EXPECT_EQ(TrimmedNumber(1.0 / 3, 3), "0.333");
    EXPECT_EQ(TrimmedNumber(2.0 / 3, 3), "0.667");
    EXPECT_EQ(TrimmedNumber(0.0, 3), "0");
    EXPECT_EQ(TrimmedNumber(std::numeric_limits<double>::quiet_NaN(), 2), "0");
    EXPECT_EQ(TrimmedNumber(std::numeric_limits<double>::infinity(), 2), "0");
    EXPECT_EQ(TrimmedNumber(-std::numeric_limits<double>::max(), 3).size(), 310u);
}

TEST(FieldInput, LengthsShiftTheDecimalTextExactly) {
    const std::pair<const char*, int> cases[] = {{"0.29", 29},
                                                 {"0,29", 29},
                                                 {"12.345", 1234},
                                                 {"69", 6900},
                                                 {"-1.5", -150},
                                                 {"-0.009", 0},
                                                 {" 4.5mm", 450},
                                                 {"1e2", 10000},
                                                 {"1.5e-1", 15},
                                                 {"abc", 0},
                                                 {"", 0},
                                                 {"21474836.47", 2147483647},
                                                 {"99999999999", 2147483647},
                                                 {"-99999999999", -2147483647 - 1},
                                                 {"0e999999999", 0},
                                                 {"1e999999999", 2147483647}};
    for (const auto& [text, expected] : cases) EXPECT_EQ(ParseFieldLength(text), expected) << text;
}

TEST(FieldInput, DecimalsAndCountsAcceptACommaAsThePoint) {
    EXPECT_DOUBLE_EQ(ParseFieldDecimal("2,5"), 2.5);
    EXPECT_DOUBLE_EQ(ParseFieldDecimal("42.5"), 42.5);
    EXPECT_EQ(ParseFieldDecimal("1e999"), 0.0);
    EXPECT_EQ(ParseFieldCount("30"), 30);
    EXPECT_EQ(ParseFieldCount("3,7"), 3);
    EXPECT_EQ(ParseFieldCount("-4"), -4);
    EXPECT_EQ(ParseFieldCount("5000000000"), 2147483647);
}

// Qt adopts the environment's locale; a Russian one prints "15,00" from printf. Files and fields
// must not follow it.
TEST(NumberText, IgnoresADecimalCommaLocale) {
    const test::CommaLocale comma(LC_ALL);
    if (comma.name().empty()) GTEST_SKIP() << test::CommaLocale::kMissing;
    EXPECT_EQ(TrimmedNumber(42.5, 2), "42.5");
    EXPECT_DOUBLE_EQ(ParseDecimal("2.5"), 2.5);
    EXPECT_EQ(ParseFieldLength("0,29"), 29);
    ScaleParameters p = kDefaultParameters;
    p.range = 2.5;
    const std::string text = WriteParameterText(p);
    EXPECT_NE(text.find("range\t= 2.5\r\n"), std::string::npos);
    EXPECT_EQ(ReadScaleParameters(text), p);
}

}  // namespace
}  // namespace quirn
