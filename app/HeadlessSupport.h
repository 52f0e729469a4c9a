// SPDX-License-Identifier: GPL-3.0-or-later
// What the jobs run from the command line share: reading the named scale, reporting on stderr,
// and the application they run in, which speaks the desktop program's language and, for a GUI
// application, draws without a display.
#pragma once

#include <QGuiApplication>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "model/ScaleParameters.h"
#include "render/Scene.h"

namespace quirn {

// Writes "quirn: message" to standard error; returns the failing exit status, 1.
int Complain(const std::string& message);

// A "quirn: " line on standard error for each family the plate asks for that the system lacks,
// naming the one drawn instead; the job goes on.
void WarnOfMissingFamilies(const ScaleParameters& p);

// Text (UTF-8, lines ending in CR LF) as standard output gives it: in the locale's encoding, with
// plain line ends.
std::string TerminalText(std::string_view utf8);

// The parameters of the file, or nothing after a message that names it by its full path.
std::optional<ScaleParameters> ReadScaleFileOrComplain(const std::string& file);

// Reads the pictures the scene's record places, beside the parameter file (UTF-8 path; empty:
// the current folder); a "quirn: " warning for each that could not be read.
void ReadPicturesOrWarn(Scene& scene, const std::string& file);

// A GUI application on the offscreen platform unless one is named; numbers in the C locale.
std::unique_ptr<QGuiApplication> StartHeadlessApplication(int& argc, char** argv);
// An application for jobs that only read and write text; numbers in the C locale.
std::unique_ptr<QCoreApplication> StartTextApplication(int& argc, char** argv);

}  // namespace quirn
