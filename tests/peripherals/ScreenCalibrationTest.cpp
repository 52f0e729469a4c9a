// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>

#include "peripherals/ScreenCalibration.h"

namespace quirn {
namespace {

TEST(ScreenCalibration, FileHoldsTwoLinesAndReadsBack) {
    const ScreenCalibration calibration{345, 345.0 / 320.0};
    const std::string text = WriteScreenIni(calibration);
    EXPECT_EQ(text, "Lscr\t= 345\r\nKsrn\t= 1.078125000000000\r\n");
    EXPECT_EQ(ParseScreenIni(text, 320), calibration);
    EXPECT_EQ(WriteScreenIni({320, 1.0}), "Lscr\t= 320\r\nKsrn\t= 1.000000000000000\r\n");
}

TEST(ScreenCalibration, StoredFactorIsUsedUnchanged) {
    // Edited by hand: displayCorrection is not realWidthMm / reported width, and still wins.
    EXPECT_EQ(ParseScreenIni("Ksrn = 1.25\nLscr = 100", 320), (ScreenCalibration{100, 1.25}));
}

TEST(ScreenCalibration, UnusableFactorMeansNoCalibration) {
    const ScreenCalibration none = UncalibratedScreen(320);
    for (const char* text :
         {"", "Lscr\t= 345\r\n", "Lscr = 345\nKsrn = 0", "Lscr = 345\nKsrn = -1", "Ksrn = nan",
          "Ksrn = 1e999", "Ksrn = 1e-300", "Ksrn = 1e300", "Ksrn = abc"})
        EXPECT_EQ(ParseScreenIni(text, 320), none) << text;
}

TEST(ScreenCalibration, LongFileIsReadWholeAndMissingFileIsUncalibrated) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("Screen.ini").toStdString();
    EXPECT_EQ(LoadScreenCalibration(path, 300), UncalibratedScreen(300));
    {
        std::ofstream out(path, std::ios::binary);
        out << std::string(5000, ' ') << "Lscr = 400\r\nKsrn = 1.5\r\n";
    }
    EXPECT_EQ(LoadScreenCalibration(path, 300), (ScreenCalibration{400, 1.5}));
    ASSERT_EQ(SaveScreenCalibration(path, {345, 1.078125}), Fault::None);
    EXPECT_EQ(LoadScreenCalibration(path, 300), (ScreenCalibration{345, 1.078125}));
    EXPECT_EQ(SaveScreenCalibration(dir.filePath("none/Screen.ini").toStdString(), {1, 1.0}),
              Fault::FileNotFound);
}

TEST(ScreenCalibration, TypedWidthMustBeAPositiveWholeNumber) {
    EXPECT_EQ(CalibrationFromInput("345", 320), (ScreenCalibration{345, 345.0 / 320.0}));
    EXPECT_EQ(CalibrationFromInput("345.7", 320)->realWidthMm, 345);
    EXPECT_EQ(CalibrationFromInput("345 \xEC\xEC", 320)->realWidthMm, 345);
    EXPECT_EQ(CalibrationFromInput("320", 320)->displayCorrection, 1.0);
    for (const char* text : {"", "abc", "0", "-5", "99999999999"})
        EXPECT_FALSE(CalibrationFromInput(text, 320).has_value()) << text;
}

}  // namespace
}  // namespace quirn
