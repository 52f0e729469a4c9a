// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "model/ParameterText.h"
#include "model/TextCodec.h"

namespace quirn {
namespace {

const std::string kDefaultText =
    "name\t= M4200\r\nunit\t= V\r\nrange\t= 15\r\nalfa\t= 42.5\r\nshape\t= 0\r\n"
    "Lshk\t= 6900\r\nHshk\t= 6000\r\nskos\t= 1250\r\nRout\t= 5700\r\nRin\t= 950\r\n"
    "Lkrep\t= 2500\r\nRdel\t= 4200\r\nout_R\t= 0\r\nNfull\t= 30\r\nNbig\t= 15\r\nNm\t= 3\r\n"
    "Lbig\t= 450\r\nLsm\t= 300\r\nHbig\t= 30\r\nHsm\t= 20\r\nDuga\t= 0\r\nHduga\t= 30\r\n"
    "Los_os\t= 0\r\nLos_niz\t= 300\r\n";

std::string ValueLine(const std::string& text, const std::string& key) {
    const auto at = text.find(key + "\t= ");
    const auto end = text.find("\r\n", at);
    return text.substr(at + key.size() + 3, end - at - key.size() - 3);
}

TEST(ParameterText, DefaultsWriteTheKnown285BytesAndReadBack) {
    const std::string text = WriteParameterText(kDefaultParameters);
    EXPECT_EQ(text.size(), 285u);
    EXPECT_EQ(text, kDefaultText);
    EXPECT_EQ(ReadScaleParameters(text), kDefaultParameters);
}

TEST(ParameterText, RealValuesKeepTwoDecimalsWithoutTrailingZeros) {
    const std::pair<double, const char*> cases[] = {
        {15.0, "15"}, {42.5, "42.5"},  {0.05, "0.05"}, {2.10, "2.1"}, {100.0, "100"},
        {-3.0, "-3"}, {2.346, "2.35"}, {0.001, "0"},   {0.004, "0"},  {1e6, "1000000"}};
    for (const auto& [value, expected] : cases) {
        ScaleParameters p = kDefaultParameters;
        p.range = value;
        const std::string text = WriteParameterText(p);
        EXPECT_EQ(ValueLine(text, "range"), expected) << value;
        EXPECT_DOUBLE_EQ(ReadScaleParameters(text).range, std::stod(expected)) << value;
    }
}

TEST(ParameterText, ExtremeIntegersAndTextsRoundTrip) {
    ScaleParameters p = kDefaultParameters;
    p.plateWidth = 2147483647;
    p.plateHeight = -2147483647 - 1;
    p.name = "\xCC\xE8\xEA\xF0\xEE = A";  // Cyrillic and an inner "="
    p.unit = "\xEC\xEA\xC0";
    EXPECT_EQ(ReadScaleParameters(WriteParameterText(p)), p);
}

TEST(ParameterText, SampleFilesReadAndWriteBackByteForByte) {
    int samples = 0;
    for (const auto& entry : std::filesystem::directory_iterator(QUIRN_TEST_SAMPLES)) {
        if (entry.path().extension() != ".qrn") continue;
        ++samples;
        std::ifstream in(entry.path(), std::ios::binary);
        ASSERT_TRUE(in) << entry.path();
        std::stringstream bytes;
        bytes << in.rdbuf();
        EXPECT_EQ(WriteParameterText(ReadScaleParameters(bytes.str())), bytes.str())
            << entry.path().filename();
    }
    EXPECT_GE(samples, 12);
}

// Texts Windows-1251 cannot hold: today's approximation under the key, for older readers, and
// the whole text under the companion key after the 24 standard lines.
TEST(Utf8TextRegression, TextsBeyondWindows1251SurviveTheRoundTrip) {
    ScaleParameters p = kDefaultParameters;
    StoreTypedText("k\u03A9", p.unit, p.unitUtf8);                          // kΩ
    StoreTypedText("\u041E\u043C \u2248", p.name, p.ext.nameUtf8);          // Ом ≈
    StoreTypedText("\u00B5\u03A9 \u221E", p.ext.origin, p.ext.originUtf8);  // µΩ ∞
    FurtherScale second;
    StoreTypedText("M\u03A9", second.own(&ScaleSetup::unit), second.values.unitUtf8);
    p.ext.further = {second};
    const std::string text = WriteParameterText(p);
    EXPECT_EQ(ValueLine(text, "unit"), "k?");
    EXPECT_EQ(ValueLine(text, "name"), "\xCE\xEC ?");
    EXPECT_NE(text.find("\r\nLos_niz\t= 300\r\nname.utf8\t= \u041E\u043C \u2248\r\n"
                        "unit.utf8\t= k\u03A9\r\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\r\norigin.utf8\t= \u00B5\u03A9 \u221E\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n2.unit\t= M?\r\n2.unit.utf8\t= M\u03A9\r\n"), std::string::npos);
    const ScaleParameters read = ReadScaleParameters(text);
    EXPECT_EQ(read, p);
    EXPECT_EQ(DisplayText(read.unit, read.unitUtf8), "k\u03A9");
    EXPECT_EQ(WriteParameterText(read), text);
    // Texts the code page holds need no companion: "мкА", "µA" and the ohmmeter's "∞".
    StoreTypedText("\u043C\u043A\u0410", p.unit, p.unitUtf8);
    StoreTypedText("\u00B5A \u221E", p.name, p.ext.nameUtf8);
    p.ext = {};
    EXPECT_EQ(WriteParameterText(p).find(".utf8"), std::string::npos);
    // Windows-1251 texts that happen to be well-formed UTF-8 ("С°") still read as written.
    p.name = "\xD1\xB0";
    p.unit = "V";
    EXPECT_EQ(ReadScaleParameters(WriteParameterText(p)), p);
}

TEST(Utf8TextRegression, AFileSavedAsUtf8ReadsAsItsEditorShowedIt) {
    // As a Linux editor saves it: UTF-8, plain line ends.
    const ScaleParameters read = ReadScaleParameters(
        "name\t= \u0413\u0430\u043B\u044C\u0432\u0430\u043D\u043E\u043C\u0435\u0442\u0440\n"
        "unit\t= \u043C\u043A\u0410\nrange\t= 50\norigin\t= \u2248 k\u03A9\n"
        "numbers\t= 0=\u043D\u043E\u043B\u044C\n");
    EXPECT_EQ(read.unit, "\xEC\xEA\xC0");  // мкА in Windows-1251, the code page's own
    EXPECT_FALSE(read.unitUtf8);
    EXPECT_EQ(
        read.name,
        Utf8ToCp1251("\u0413\u0430\u043B\u044C\u0432\u0430\u043D\u043E\u043C\u0435\u0442\u0440"));
    EXPECT_EQ(DisplayText(read.ext.origin, read.ext.originUtf8), "\u2248 k\u03A9");
    EXPECT_EQ(read.numbers, (std::vector<Mark>{{0, "\xED\xEE\xEB\xFC"}}));
    EXPECT_DOUBLE_EQ(read.range, 50.0);
    EXPECT_EQ(read.ext.standard, kDefaultStandardText) << "a default the file left alone";
    // A companion whose key another program has changed since gives way to the key.
    const ScaleParameters edited =
        ReadScaleParameters("unit\t= mA\r\nunit.utf8\t= k\u03A9\r\nrange\t= 5\r\n");
    EXPECT_EQ(DisplayText(edited.unit, edited.unitUtf8), "mA");
    EXPECT_EQ(WriteParameterText(edited).find(".utf8"), std::string::npos);
}

TEST(ParameterReader, SpacingAroundTheEqualsSignDoesNotMatter) {
    for (const char* text : {"Lshk = 6900", "Lshk=6900", "Lshk\t=   6900  ", "xx Lshk= 6900\r\n"})
        EXPECT_EQ(ReadScaleParameters(text).plateWidth, 6900) << text;
    EXPECT_EQ(ReadScaleParameters("Lshk=\t6900").plateWidth, 0) << "a TAB after = ends the value";
}

TEST(ParameterReader, KeysAreCaseSensitiveAndTheFirstOccurrenceWins) {
    EXPECT_EQ(ReadScaleParameters("lshk\t= 6900\r\n").plateWidth, 0);
    EXPECT_EQ(ReadScaleParameters("Lshk\t= 1\r\nLshk\t= 2\r\n").plateWidth, 1);
    // A line without "=" takes the value of the next line that has one.
    EXPECT_EQ(ReadScaleParameters("Lshk 6900\r\nHshk\t= 6000\r\n").plateWidth, 6000);
}

// A unit "Nm" once reopened with numberedDivisions = 15 (the range's value), and a name holding
// "range" made the range read the unit text: a key is taken first where it heads its own line.
TEST(ParameterReaderRegression, TextValuesNoLongerCaptureLaterKeys) {
    for (const char* text : {"Nm", "Xrange", "range = 7", "Los_niz = 5 Nm = 1"}) {
        ScaleParameters p = kDefaultParameters;
        p.name = text;
        p.unit = text;
        EXPECT_EQ(ReadScaleParameters(WriteParameterText(p)), p) << text;
    }
    // Hand-made files whose keys do not head their lines still read as before.
    EXPECT_EQ(ReadScaleParameters("; Nm = 4\r\nunit = Nm").numberedDivisions, 4);
}

TEST(ParameterReader, TextsLoseOuterSpacesOnly) {
    ScaleParameters p = kDefaultParameters;
    p.name = "  A = \xC1  B  ";
    EXPECT_EQ(ReadScaleParameters(WriteParameterText(p)).name, "A = \xC1  B");
}

// A name longer than about 715 bytes once reopened with the last fields cut to 0: the whole file
// is read now, up to 1 MiB.
TEST(ParameterReaderRegression, LongTextsReadBackWholeUpToOneMebibyte) {
    ScaleParameters p = kDefaultParameters;
    p.name = std::string(760, 'N');
    p.unit = std::string(100000, 'U');
    EXPECT_EQ(ReadScaleParameters(WriteParameterText(p)), p);
    // Beyond the limit a key is missing, and a value cut by it reads short.
    const std::string cut = std::string(kParameterReadLimit - 12, ' ') + "Los_niz\t= 300\r\n";
    EXPECT_EQ(ReadScaleParameters(cut).mountingAboveBottom, 30);
    EXPECT_EQ(ReadScaleParameters(std::string(kParameterReadLimit, ' ') + "Rdel = 1").tickRadius,
              0);
}

TEST(ParameterReader, NulEndsTheTextAndEmptyTextGivesZeros) {
    std::string text = kDefaultText;
    text[text.find("Rdel")] = '\0';
    const ScaleParameters p = ReadScaleParameters(text);
    EXPECT_EQ(p.mountingHoleSpacing, 2500);
    EXPECT_EQ(p.tickRadius, 0);
    EXPECT_EQ(p.mountingAboveBottom, 0);
    EXPECT_EQ(ReadScaleParameters(""), ScaleParameters{});
    EXPECT_EQ(ReadScaleParameters(std::string("\0name = X", 9)), ScaleParameters{});
}

TEST(ParameterReader, NumbersConvertAsTheCLibraryDoesInTheCLocale) {
    const std::pair<const char*, double> decimals[] = {
        {"range = 2,5", 2.0},   {"range = -1.5e2x", -150.0}, {"range = .5", 0.5},
        {"range = 0x1A", 0.0},  {"range = inf", 0.0},        {"range = nan", 0.0},
        {"range = 1e999", 0.0}, {"range = -1e999", 0.0},     {"range = 1e", 1.0},
        {"range = +7.", 7.0},   {"range = 1e-999", 0.0}};
    for (const auto& [text, expected] : decimals)
        EXPECT_EQ(ReadScaleParameters(text).range, expected) << text;
    const std::pair<const char*, int> integers[] = {{"Rdel = 6900.7", 6900},
                                                    {"Rdel = 0x1A", 0},
                                                    {"Rdel = -12abc", -12},
                                                    {"Rdel = 99999999999999999999", 2147483647},
                                                    {"Rdel = -2147483649", -2147483647 - 1},
                                                    {"Rdel = +5", 5},
                                                    {"Rdel = x", 0}};
    for (const auto& [text, expected] : integers)
        EXPECT_EQ(ReadScaleParameters(text).tickRadius, expected) << text;
}

TEST(FindParameterValue, ValueRunsToTheFirstControlByteAndKeepsHighBytes) {
    EXPECT_EQ(FindParameterValue("name\t= a=b \xC0\xFF\x01rest", "name"), "a=b \xC0\xFF");
    EXPECT_EQ(FindParameterValue("Ksrn = 1.5", "Lscr"), "");
    EXPECT_EQ(FindParameterValue("Lscr 340", "Lscr"), "");  // no "=" after the key
    EXPECT_EQ(FindParameterValue("Lscr =", "Lscr"), "");
}

}  // namespace
}  // namespace quirn
