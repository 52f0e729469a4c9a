// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the picture files a plate carries, so that the renderer finds them in the scene and
// never reads a file while painting.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "model/Outcome.h"
#include "model/ScaleExtensions.h"
#include "render/Scene.h"

namespace quirn {

struct PictureReading {
    PictureContents contents;
    // Why each file that could not be read was not, once per file.
    std::vector<Outcome> faults;
};

// Reads the pictures the record names, relative to folder (UTF-8; empty: the current folder);
// a bare name the folder lacks is looked for in the library of symbols the program ships.
// A picture already read for the same file under the same number is kept as it is and not
// reported again, so that a change elsewhere in the record neither reads nor complains anew.
PictureReading ReadPictures(const std::map<int, PlacedPicture>& pictures, const std::string& folder,
                            const PictureContents& already = {});

// The scene's pictures brought up to its record's; what could not be read, once per file.
std::vector<Outcome> RefreshPictures(Scene& scene);

}  // namespace quirn
