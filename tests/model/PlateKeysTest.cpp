// SPDX-License-Identifier: GPL-3.0-or-later
// The keys that make a plate look like its original: typefaces, colours, free texts, pictures,
// a flattened arc, a mirror slot and the template, as files hold them.
#include <gtest/gtest.h>

#include <string>

#include "model/ParameterFields.h"
#include "model/ParameterText.h"
#include "model/ScaleLaw.h"
#include "model/TextCodec.h"

namespace quirn {
namespace {

// The 24 standard lines of the default plate (written when asked: the defaults are another
// file's constant).
std::string Standard() {
    return WriteParameterText(kDefaultParameters);
}

// Every new key, in the order the program writes them, with a Windows-1251 "№" and a text that
// needs its UTF-8 companion.
const std::string kEveryKey =
    "colour\t= #d01010\r\nflatten\t= 1500\r\n"
    "2.range\t= 10\r\n2.colour\t= #0000ff\r\n2.flatten\t= 200\r\n"
    "font.numerals\t= DejaVu Serif, italic, 120%\r\nfont.name\t= DejaVu Sans, bold\r\n"
    "font.unit\t= Liberation Sans, light, italic\r\nfont.origin\t= Liberation Mono\r\n"
    "font.standard\t= DejaVu Sans, 80%\r\nfont.scales\t= DejaVu Serif, bold, italic, 90%\r\n"
    "colour.name\t= #102030\r\ncolour.unit\t= #a0b0c0\r\ncolour.origin\t= #000001\r\n"
    "colour.standard\t= #ffffff\r\n"
    "text1\t= -1500 2500 0 MADE IN  HERE\r\ntext1.font\t= DejaVu Sans, 70%\r\n"
    "text1.colour\t= #ff0000\r\n"
    "text2\t= 0 -300 12.5 k?\r\ntext2.utf8\t= k\u03A9\r\n"
    "text32\t= 100 100 -90 \xB9 12345\r\n"
    "image1\t= 2000 1500 1200 logo files/maker logo.svg\r\nimage8\t= 0 0 500 serial.png\r\n"
    "mirror\t= 4600 250\r\ntemplate\t= -5000 -1000 10000 -1.25 40 scans/old plate.jpg\r\n"
    "future.key\t= 1\r\n";

TEST(PlateKeys, EveryKeyReadsAndWritesBackByteForByte) {
    const std::string file = Standard() + kEveryKey;
    const ScaleParameters p = ReadScaleParameters(file);
    EXPECT_EQ(WriteParameterText(p), file);
    EXPECT_EQ(p.colour, 0xd01010u);
    EXPECT_EQ(p.flatten, 1500);
    const Typeface numerals{"DejaVu Serif", FontWeight::AsDefault, FontSlant::Italic, 120};
    EXPECT_EQ(p.ext.typefaces.at(TextRole::Numerals), numerals);
    EXPECT_EQ(p.ext.typefaces.at(TextRole::Unit).weight, FontWeight::Light);
    EXPECT_EQ(p.ext.labelColours[std::size_t(LabelRole::Standard)], 0xffffffu);
    EXPECT_EQ(p.ext.texts.at(1).text, "MADE IN  HERE");
    EXPECT_EQ(p.ext.texts.at(1).colour, 0xff0000u);
    EXPECT_EQ(DisplayText(p.ext.texts.at(2).text, p.ext.texts.at(2).textUtf8), "k\u03A9");
    EXPECT_DOUBLE_EQ(p.ext.texts.at(32).angle, -90.0);
    EXPECT_EQ(p.ext.pictures.at(1).file, "logo files/maker logo.svg");
    EXPECT_EQ(p.ext.pictures.at(8).width, 500);
    EXPECT_EQ(p.ext.mirror, (MirrorSlot{4600, 250}));
    EXPECT_EQ(p.ext.templateRecord,
              (TemplateRecord{{-5000, -1000}, 10000, -1.25, 40, "scans/old plate.jpg"}));
    EXPECT_EQ(p.ext.unknownLines, std::vector<std::string>{"future.key\t= 1"});
    // The dump shows every key, its texts whole in UTF-8 and without companions.
    const std::string dump = WriteParameterText(p, FileTextForm::Utf8);
    EXPECT_NE(dump.find("\r\ntext2\t= 0 -300 12.5 k\u03A9\r\ntext32\t= 100 100 -90 \u2116 12345"),
              std::string::npos)
        << dump;
    EXPECT_EQ(dump.find(".utf8"), std::string::npos);
    EXPECT_EQ(ReadScaleParameters(dump), p);
}

// A locked template says so in its line; a free one's line stays as it always was, unless its
// file's name would read as the mark.
TEST(PlateKeys, TheTemplatesLockIsKeptInItsLine) {
    const struct {
        const char* line;
        TemplateLock lock;
        const char* file;
    } cases[] = {{"0 0 100 0 50 1 scans/a b.png", TemplateLock::Locked, "scans/a b.png"},
                 {"0 0 100 0 50 scans/a b.png", TemplateLock::Free, "scans/a b.png"},
                 {"0 0 100 0 50 0 1 a.png", TemplateLock::Free, "1 a.png"},
                 {"0 0 100 0 50 1 0 a.png", TemplateLock::Locked, "0 a.png"}};
    for (const auto& c : cases) {
        const std::string file = Standard() + "template\t= " + c.line + "\r\n";
        const ScaleParameters p = ReadScaleParameters(file);
        ASSERT_TRUE(p.ext.templateRecord) << c.line;
        EXPECT_EQ(p.ext.templateRecord->lock, c.lock) << c.line;
        EXPECT_EQ(p.ext.templateRecord->file, c.file) << c.line;
        EXPECT_EQ(WriteParameterText(p), file);
    }
}

TEST(PlateKeys, ATextBeyondWindows1251GetsItsCompanionAfterItsLine) {
    ScaleParameters p = kDefaultParameters;
    FreeText& t = p.ext.texts[7];
    t.centre = {10, -20};
    StoreTypedText("5 k\u03A9", t.text, t.textUtf8);
    const std::string text = WriteParameterText(p);
    // The file is well-formed UTF-8 now, so it says that its texts are Windows-1251.
    EXPECT_EQ(text, Standard() +
                        "text7\t= 10 -20 0 5 k?\r\ntext7.utf8\t= 5 k\u03A9\r\n"
                        "charset\t= windows-1251\r\n");
    EXPECT_EQ(ReadScaleParameters(text), p);
}

// A further scale without its own colour or flattening is black and round, however scale 1 is;
// a colour is read in either case and written in lower case.
TEST(PlateKeys, AFurtherScaleInheritsNeitherColourNorFlattening) {
    const ScaleParameters p = ReadScaleParameters(
        Standard() +
        "colour\t= #FF8000\r\nflatten\t= 700\r\n2.range\t= 5\r\n3.colour\t= #00Aa00\r\n");
    const auto scales = ResolveScales(p);
    ASSERT_EQ(scales.size(), 3u);
    EXPECT_EQ(scales[0].graduation.colour, 0xff8000u);
    EXPECT_EQ(scales[0].graduation.flatten, 700);
    EXPECT_EQ(scales[1].graduation.colour, std::nullopt);
    EXPECT_EQ(scales[1].graduation.flatten, 0);
    EXPECT_EQ(scales[2].graduation.colour, 0x00aa00u);
    EXPECT_EQ(scales[2].graduation.range, kDefaultParameters.range) << "the rest as scale 1";
    const std::string written = WriteParameterText(p);
    EXPECT_NE(written.find("\r\ncolour\t= #ff8000\r\n"), std::string::npos);
    EXPECT_NE(written.find("\r\n3.colour\t= #00aa00\r\n"), std::string::npos);
}

// A known key whose value cannot be read, or a part of a text the file lacks, is kept as an
// unknown line where it stood, and the record is as if the line were not there.
TEST(PlateKeys, ValuesThatCannotBeReadAreKeptAsTheyWere) {
    const char* const kBad[] = {
        "colour\t= red",
        "colour\t= #12345",
        "2.colour\t= #gg0000",
        "flatten\t= -5",
        "3.flatten\t= 1.5",
        "numerals.offset\t= 1.5",
        "2.numerals.offset\t= -",
        "font.name\t= , bold",
        "font.unit\t= Serif, 0%",
        "font.origin\t= Serif, 1001%",
        "font.scales\t= Serif, bold, light",
        "font.numerals\t= Serif, wide",
        "colour.unit\t= #0000",
        "text1\t= 10 20",
        "text2\t= 10 x 0 A",
        "text3\t= 1 2 nan A",
        "text33\t= 0 0 0 A",
        "text07\t= 0 0 0 A",
        "image1\t= 0 0 100",
        "image2\t= 0 0 0 a.png",
        "mirror\t= 100",
        "mirror\t= 100 0",
        "template\t= 0 0 100 0 101 a.png",
        "template\t= 0 0 100 0 50",
        "before\t= 1\r\ntext4.font\t= Serif\r\nafter\t= 2",
    };
    for (const char* bad : kBad) {
        const std::string file = Standard() + bad + "\r\n";
        const ScaleParameters p = ReadScaleParameters(file);
        EXPECT_EQ(WriteParameterText(p), file) << bad;
        EXPECT_EQ(static_cast<const ScaleSetup&>(p),
                  static_cast<const ScaleSetup&>(kDefaultParameters))
            << bad;
        EXPECT_TRUE(p.ext.further.empty()) << bad;
        EXPECT_FALSE(p.ext.unknownLines.empty()) << bad;
        EXPECT_TRUE(p.ext.typefaces.empty() && !p.ext.mirror && !p.ext.templateRecord &&
                    p.ext.pictures.empty())
            << bad;
    }
    // The text whose font is bad is read, its colour too, though it came before the text.
    const ScaleParameters mixed = ReadScaleParameters(
        Standard() +
        "text5.colour\t= #ffffff\r\ntext5\t= 0 0 0 A\r\ntext5.font\t= Serif, 5000%\r\n");
    EXPECT_EQ(mixed.ext.texts.at(5).colour, 0xffffffu);
    EXPECT_EQ(mixed.ext.unknownLines, std::vector<std::string>{"text5.font\t= Serif, 5000%"});
}

// The numerals' offset goes from the file to the record and back as it came: scale 1's only
// when it is not 0, a further scale's whenever it sets it, 0 too; a further scale that does not
// set it takes scale 1's.
TEST(PlateKeys, TheNumeralsOffsetComesBackAsWrittenAndFurtherScalesTakeScaleOnes) {
    struct Case {
        std::string lines;
        std::string written;                // the lines written back
        std::vector<std::int32_t> offsets;  // of the scales as drawn
    };
    const Case cases[] = {
        {"numerals.offset\t= -80\r\n2.range\t= 5\r\n",
         "numerals.offset\t= -80\r\n2.range\t= 5\r\n",
         {-80, -80}},
        {"numerals.offset\t= 250\r\n2.numerals.offset\t= 0\r\n3.numerals.offset\t= 40\r\n",
         "numerals.offset\t= 250\r\n2.numerals.offset\t= 0\r\n3.numerals.offset\t= 40\r\n",
         {250, 0, 40}},
        {"2.Rdel\t= 3000\r\n2.numerals.offset\t= 120\r\n",
         "2.Rdel\t= 3000\r\n2.numerals.offset\t= 120\r\n",
         {0, 120}},
        {"numerals.offset\t= 0\r\n", "", {0}},
    };
    for (const Case& c : cases) {
        const ScaleParameters p = ReadScaleParameters(Standard() + c.lines);
        EXPECT_EQ(WriteParameterText(p), Standard() + c.written) << c.lines;
        std::vector<std::int32_t> offsets;
        for (const ResolvedScale& s : ResolveScales(p))
            offsets.push_back(s.graduation.numeralOffset);
        EXPECT_EQ(offsets, c.offsets) << c.lines;
    }
    ScaleParameters none = kDefaultParameters;
    none.ext.further.emplace_back().set(&ScaleSetup::tickRadius, 3000);
    EXPECT_EQ(WriteParameterText(none).find("numerals.offset"), std::string::npos);
}

}  // namespace
}  // namespace quirn
