// SPDX-License-Identifier: GPL-3.0-or-later
// The screen calibration: the real screen width the user entered and the display correction
// factor, kept in Screen.ini as two lines in the parameter-file syntax.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/FileAccess.h"

namespace quirn {

struct ScreenCalibration {
    int realWidthMm = 0;             // real screen width, millimetres
    double displayCorrection = 1.0;  // real width / reported width
    bool operator==(const ScreenCalibration&) const = default;
};

// Outside this range a stored factor cannot be a real calibration and would make the display
// scale meaningless.
inline constexpr double kMinimumCorrection = 0.01;
inline constexpr double kMaximumCorrection = 100.0;

// Without a calibration: the reported width and a factor of 1.
ScreenCalibration UncalibratedScreen(int reportedWidthMm);

// The calibration a Screen.ini text holds; an unusable displayCorrection (missing, zero, negative,
// not finite, absurd) makes the whole file count as absent.
ScreenCalibration ParseScreenIni(std::string_view text, int reportedWidthMm);

// "Lscr\t= %i\r\n" then "Ksrn\t= %.15f\r\n".
std::string WriteScreenIni(const ScreenCalibration& calibration);

// Reads the whole file (no length cut); a missing or unreadable file gives the uncalibrated values.
ScreenCalibration LoadScreenCalibration(const std::string& path, int reportedWidthMm);

Fault SaveScreenCalibration(const std::string& path, const ScreenCalibration& calibration);

// The calibration for the width typed into the dialog, converted as a decimal integer ("345 мм"
// and "345.7" give 345), on a screen that reports reportedWidthMm. Nothing when the width is not a
// positive whole number of millimetres or gives an unusable factor.
std::optional<ScreenCalibration> CalibrationFromInput(std::string_view text, int reportedWidthMm);

}  // namespace quirn
