// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "model/ExtensionText.h"
#include "model/FileAccess.h"
#include "model/LawTable.h"
#include "model/ParameterFields.h"
#include "model/ParameterText.h"
#include "model/ScaleLaw.h"

namespace quirn {
namespace {

// A record that sets every extension key at least once.
ScaleParameters EveryKey() {
    ScaleParameters p = kDefaultParameters;
    ScaleExtensions& x = p.ext;
    p.start = -20.0;
    p.law = ScaleLaw::Db;
    p.ticks = std::vector<double>{-20, -10, 0, 3};
    p.bigticks = std::vector<double>{-20, 0};
    p.numbers = std::vector<Mark>{{-20, "20"}, {0, ""}, {3, "+3"}};
    using S = ScaleSetup;
    FurtherScale s2;
    s2.set(&S::tickRadius, 3500);
    s2.set(&S::ticksInward, 1);
    s2.set(&S::range, 10.25);
    s2.set(&S::start, 0.5);
    s2.set(&S::law, ScaleLaw::Table);
    s2.set(&S::points, {{0, 0}, {1, 0.08}, {10, 1}});
    s2.set(&S::divisions, 50), s2.set(&S::bigDivisions, 10), s2.set(&S::numberedDivisions, 5),
        s2.set(&S::bigTickLength, 400), s2.set(&S::smallTickLength, 250),
        s2.set(&S::bigTickWidth, 30);
    s2.set(&S::smallTickWidth, 20), s2.set(&S::arcShown, 1), s2.set(&S::arcWidth, 25);
    s2.set(&S::ticks, std::vector<double>{});
    s2.set(&S::bigticks, std::vector<double>{1, 2});
    s2.set(&S::numbers, std::vector<Mark>{{1000, "1k"}});
    s2.set(&S::unit, "V~");
    FurtherScale s3;
    s3.set(&S::law, ScaleLaw::Ohm);
    x.further = {s2, s3};
    x.zones = {{1, 0, 3, 0xd00000}, {2, 0.5, 1.5, 0x00a000}};
    x.origin = "MADE IN HERE";
    x.standard = "";
    x.places[0] = Place{-3000, 500};
    x.places[6] = Place{2800, -40};
    x.unknownLines = {"colour.scheme\t= dark", "9.future = 1"};
    return p;
}

TEST(ScaleExtensionsText, EveryKeyRoundTripsAfterTheUnchangedStandardLines) {
    const ScaleParameters p = EveryKey();
    const std::string text = WriteParameterText(p);
    // An older reader sees the 24 lines of scale 1 first, exactly as they always were.
    const std::string standard = WriteParameterText(ScaleParameters{kDefaultParameters});
    EXPECT_EQ(text.substr(0, standard.size()), standard);
    EXPECT_NE(text.find("\r\n2.points\t= 0:0 1:0.08 10:1\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n2.numbers\t= 1000=1k\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nzone1\t= 1 0 3 #d00000\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nstandard\t= \r\n"), std::string::npos);
    EXPECT_EQ(ReadScaleParameters(text), p);
    EXPECT_EQ(WriteParameterText(ReadScaleParameters(text)), text);
}

TEST(ScaleExtensionsText, KeysCountOnlyAtALineHeadAndUnknownLinesSurvive) {
    const std::string text = WriteParameterText(kDefaultParameters) +
                             "future.key\t= 42\r\n"
                             "  start\t= 5\r\n"    // not at the head of its line
                             "xlaw\t= square\r\n"  // another key
                             "law\t= square\r\n"
                             "law\t= db\r\n";  // the first line of a key wins
    const ScaleParameters p = ReadScaleParameters(text);
    EXPECT_EQ(p.start, 0.0);
    EXPECT_EQ(p.law, ScaleLaw::Square);
    const std::string written = WriteParameterText(p);
    EXPECT_NE(written.find("\r\nfuture.key\t= 42\r\n"), std::string::npos);
    EXPECT_NE(written.find("\r\nxlaw\t= square\r\n"), std::string::npos);
    EXPECT_EQ(written.find("start"), std::string::npos);
}

// Each law is named in the file by its row's keyword, on scale 1 and on a further scale alike,
// and no two rows share a law or a keyword.
TEST(ScaleLaws, EveryLawOfTheTableIsReadAndWrittenByItsKeyword) {
    for (const LawRow& row : LawTable()) {
        EXPECT_EQ(&LawOf(row.law), &row) << row.keyword;
        EXPECT_EQ(LawFromKeyword(row.keyword), row.law) << row.keyword;
        const std::string file = WriteParameterText(kDefaultParameters) +
                                 "law\t= " + std::string(row.keyword) +
                                 "\r\n2.law\t= " + std::string(row.keyword) + "\r\n";
        const ScaleParameters p = ReadScaleParameters(file);
        EXPECT_EQ(ResolveScales(p).at(1).graduation.law, row.law) << row.keyword;
        // A linear scale 1 writes no law line; every other law writes its own.
        const std::string written = WriteParameterText(p);
        EXPECT_EQ(
            written.find("\r\nlaw\t= " + std::string(row.keyword) + "\r\n") != std::string::npos,
            row.law != ScaleLaw::Linear)
            << row.keyword;
        EXPECT_NE(written.find("\r\n2.law\t= " + std::string(row.keyword) + "\r\n"),
                  std::string::npos)
            << row.keyword;
    }
}

// Scale 1 keeps some of a scale's keys among the 24 standard lines: each of them must be the
// standard field of the same name and member, or scale 1 and a further scale would part.
TEST(ScaleKeys, ScaleOnesStandardKeysAreStandardFieldsOfTheSameMember) {
    for (const ScaleKey& row : kScaleKeys) {
        if (row.firstScale != FirstScaleLine::Standard) continue;
        const auto field = std::find_if(StandardFields().begin(), StandardFields().end(),
                                        [&](const ParameterField& f) { return f.key == row.key; });
        ASSERT_NE(field, StandardFields().end()) << row.key;
        ScaleParameters p;
        SetFieldFromFile(*field, p, "7");
        ScaleSetup expected;
        SetScaleKey(row, expected, "7");
        EXPECT_EQ(static_cast<const ScaleSetup&>(p), expected) << row.key;
    }
}

TEST(ScaleLaws, EachLawPutsValuesWhereItsMovementPointsAt) {
    const auto at = [](ScaleLaw law, double start, double range, double v) {
        ScaleSetup s;
        s.law = law;
        s.start = start;
        s.range = range;
        return ScaleFraction(s, v).value_or(-1.0);
    };
    EXPECT_DOUBLE_EQ(at(ScaleLaw::Linear, -50, 50, 0), 0.5);  // zero-centre
    EXPECT_DOUBLE_EQ(at(ScaleLaw::Linear, 50, 150, 75), 0.25);
    EXPECT_DOUBLE_EQ(at(ScaleLaw::Square, 0, 10, 5), 0.25);
    EXPECT_NEAR(at(ScaleLaw::Db, -20, 3, -20), 0.0708, 1e-4);  // a VU meter's -20 at 7.1 %
    EXPECT_DOUBLE_EQ(at(ScaleLaw::Db, -20, 3, 3), 1.0);
    EXPECT_DOUBLE_EQ(at(ScaleLaw::Ohm, 0, 50, 50), 0.5);  // the centre value
    EXPECT_DOUBLE_EQ(at(ScaleLaw::Ohm, 0, 50, 0), 1.0);
}

TEST(ScaleLaws, ATableIsSmoothThroughEveryPointAndNeverFoldsBack) {
    ScaleSetup s;
    s.law = ScaleLaw::Table;
    s.range = 10;
    s.points = ParsePointList("0:0 1:0.08 2:0.21 5:0.6 6:0.6 10:1");
    for (const TablePoint& p : s.points) EXPECT_DOUBLE_EQ(*ScaleFraction(s, p.value), p.fraction);
    double last = 0.0;
    for (double v = 0.0; v <= 10.0; v += 0.01) {
        const double f = *ScaleFraction(s, v);
        EXPECT_GE(f, last - 1e-12) << v;
        EXPECT_LE(f, 1.0) << v;
        if (v > 5.0 && v < 6.0) {
            EXPECT_DOUBLE_EQ(f, 0.6) << "flat between equal fractions";
        }
        last = f;
    }
    EXPECT_FALSE(ScaleFraction(s, 10.5));  // no place beyond the table
}

TEST(ScaleLaws, ListsReadTheirItemsAndNameTheFirstBadOne) {
    ListParse parse;
    const std::vector<Mark> marks = ParseMarkList("0 500  1000=1k 1O 2000", &parse);
    ASSERT_EQ(marks.size(), 4u);
    EXPECT_EQ(marks[2].text, "1k");
    EXPECT_EQ(parse.bad, "1O");
    EXPECT_EQ(MarkListText(marks), "0 500 1000=1k 2000");
}

// The refusal, its scale (or zone) and the item at fault; nothing for a sound record.
std::vector<std::string> Named(const Outcome& check) {
    if (check.ok()) return {};
    std::vector<std::string> named{std::to_string(int(check.fault))};
    for (std::size_t k = 0; k < 2 && k < check.args.size(); ++k) named.push_back(check.args[k]);
    return named;
}
std::vector<std::string> Named(Fault fault, const char* scale, const char* item) {
    return {std::to_string(int(fault)), scale, item};
}

TEST(ScaleLaws, TheFirstProblemNamesItsScaleAndItem) {
    ScaleParameters p = kDefaultParameters;
    EXPECT_TRUE(CheckScales(p).ok());
    FurtherScale table;
    table.set(&ScaleSetup::law, ScaleLaw::Table);
    table.set(&ScaleSetup::points, ParsePointList("0:0 5:0.6 4:1"));
    p.ext.further = {table};
    EXPECT_EQ(Named(CheckScales(p)), Named(Fault::TableNotIncreasing, "2", "5:0.6 4:1"));
    p.ext.further[0].set(&ScaleSetup::points, ParsePointList("0:0 5:1.2"));
    EXPECT_EQ(Named(CheckScales(p)), Named(Fault::TableFractionOutside, "2", "5:1.2"));
    p.ext.further.clear();
    p.law = ScaleLaw::Square;
    p.start = -1;
    EXPECT_EQ(CheckScales(p).fault, Fault::SquareNegativeStart);
    p.start = 0;
    p.law = ScaleLaw::Ohm;
    EXPECT_EQ(Named(CheckScales(p)), Named(Fault::OhmWithoutLists, "1", ""));
    p.law = ScaleLaw::Linear;
    p.ext.zones = {{1, 0, 1, 0}, {3, 0, 1, 0}};
    EXPECT_EQ(Named(CheckScales(p)), Named(Fault::ZoneScaleMissing, "2", "3"));
}

// A table whose fractions fall, one that does not reach its scale's ends and list values outside
// the scale were taken, drawing a folded scale, an empty arc or numerals piled on the VU meter's
// end. Each is refused, naming its item; a file that holds them keeps them as written.
TEST(ScaleChecksRegression, FoldedOrShortTablesAndListValuesOutsideTheScaleAreRefused) {
    struct Case {
        const char* lines;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases{
        {"law\t= table\r\npoints\t= 0:0 5:0.9 6:0.5 10:1\r\n",
         Named(Fault::TableFractionFalls, "1", "5:0.9 6:0.5")},
        {"law\t= table\r\npoints\t= 0:0 2:0.5 5:1\r\n",
         Named(Fault::TableShortOfScale, "1", "0 \u2026 5")},
        {"start\t= -2\r\nlaw\t= table\r\npoints\t= 0:0 10:1\r\n",
         Named(Fault::TableShortOfScale, "1", "0 \u2026 10")},
        {"start\t= -20\r\nlaw\t= db\r\nnumbers\t= -40=40 -20=20 0\r\n",
         Named(Fault::NumberOutside, "1", "-40")},
        {"ticks\t= 0 5 1000\r\n", Named(Fault::TickOutside, "1", "1000")},
        {"2.range\t= 20\r\n2.bigticks\t= 0 10 20 30\r\n", Named(Fault::BigTickOutside, "2", "30")},
        {"law\t= ohm\r\nticks\t= -1 0 10\r\nnumbers\t= 0 10\r\n",
         Named(Fault::TickOutside, "1", "-1")},
        {"law\t= swr\r\nticks\t= 1 1.5 2\r\nnumbers\t= 0.5 1 2\r\n",
         Named(Fault::SwrBelowOne, "1", "0.5")},
        {"2.law\t= swr\r\n2.bigticks\t= 0 1 10\r\n", Named(Fault::SwrBelowOne, "2", "0")},
        // Sound ones: a flat stretch of a table, an ohm scale's values far above its centre.
        {"law\t= table\r\npoints\t= 0:0 5:0.6 6:0.6 100:1\r\nnumbers\t= 0 5 10\r\n", {}},
        {"law\t= ohm\r\nticks\t= 0 10 1000\r\nnumbers\t= 0 10 1000=1k\r\n", {}},
        {"law\t= swr\r\nticks\t= 1 1.1 100\r\nnumbers\t= 1 3 100\r\n", {}},
    };
    for (const Case& c : cases) {
        const std::string file = WriteParameterText(kDefaultParameters) + c.lines;
        const ScaleParameters p = ReadScaleParameters(file);
        EXPECT_EQ(Named(CheckScales(p)), c.expected) << c.lines;
        EXPECT_EQ(WriteParameterText(p), file) << c.lines;
    }
    for (const char* sample : {"VU-meter.qrn", "Multimeter-3-scales.qrn", "Ohmmeter-50.qrn",
                               "Battery-tester-12V.qrn", "Galvanometer-50-0-50uA.qrn"}) {
        const Result<std::string> read =
            ReadFileHead(std::string(QUIRN_TEST_SAMPLES "/") + sample, kParameterReadLimit);
        EXPECT_TRUE(CheckScales(ReadScaleParameters(read.value)).ok()) << sample;
    }
}

}  // namespace
}  // namespace quirn
