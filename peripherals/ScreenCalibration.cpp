// SPDX-License-Identifier: GPL-3.0-or-later
#include "peripherals/ScreenCalibration.h"

#include <array>
#include <charconv>
#include <cmath>

#include "model/NumberText.h"
#include "model/ParameterText.h"

namespace quirn {
namespace {

// Far beyond any file a user writes by hand; only guards memory against a huge foreign file.
constexpr std::size_t kScreenIniReadLimit = 1 << 20;

bool UsableCorrection(double k) {
    return std::isfinite(k) && k >= kMinimumCorrection && k <= kMaximumCorrection;
}

}  // namespace

ScreenCalibration UncalibratedScreen(int reportedWidthMm) {
    return {reportedWidthMm, 1.0};
}

ScreenCalibration ParseScreenIni(std::string_view text, int reportedWidthMm) {
    if (const auto nul = text.find('\0'); nul != std::string_view::npos) text = text.substr(0, nul);
    const std::string correctionText = FindParameterValue(text, "Ksrn");
    const double correction = ParseDecimal(correctionText);
    if (correctionText.empty() || !UsableCorrection(correction))
        return UncalibratedScreen(reportedWidthMm);
    return {ParseInteger(FindParameterValue(text, "Lscr")), correction};
}

std::string WriteScreenIni(const ScreenCalibration& calibration) {
    std::array<char, 400> number{};
    const auto end = std::to_chars(number.data(), number.data() + number.size(),
                                   calibration.displayCorrection, std::chars_format::fixed, 15)
                         .ptr;
    return "Lscr\t= " + std::to_string(calibration.realWidthMm) +
           "\r\nKsrn\t= " + std::string(number.data(), end) + "\r\n";
}

ScreenCalibration LoadScreenCalibration(const std::string& path, int reportedWidthMm) {
    const Result<std::string> read = ReadFileHead(path, kScreenIniReadLimit);
    if (read.outcome.fault != Fault::None) return UncalibratedScreen(reportedWidthMm);
    return ParseScreenIni(read.value, reportedWidthMm);
}

Fault SaveScreenCalibration(const std::string& path, const ScreenCalibration& calibration) {
    return WriteFileAtomically(path, WriteScreenIni(calibration));
}

std::optional<ScreenCalibration> CalibrationFromInput(std::string_view text, int reportedWidthMm) {
    const int width = ParseInteger(text);
    if (width <= 0) return std::nullopt;
    // A screen that reports no size cannot be corrected; the width is kept for the dialog.
    if (reportedWidthMm <= 0) return ScreenCalibration{width, 1.0};
    const double correction = double(width) / double(reportedWidthMm);
    if (!UsableCorrection(correction)) return std::nullopt;
    return ScreenCalibration{width, correction};
}

}  // namespace quirn
