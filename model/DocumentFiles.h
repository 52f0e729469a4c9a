// SPDX-License-Identifier: GPL-3.0-or-later
// The files a record names beside itself (its pictures and template), kept pointing at the same
// files when the record is saved into another folder.
#pragma once

#include <filesystem>

#include "model/ScaleParameters.h"

namespace quirn {

// The record with every picture and template file that is found from the folder `from` named
// from the folder `to` instead: relative while it lies in `to` or below, else in full. A name not
// found from `from` (a library symbol, a missing file) and one Windows-1251 cannot hold in its
// new form stay as written.
ScaleParameters WithFilesNamedFrom(const ScaleParameters& record, const std::filesystem::path& from,
                                   const std::filesystem::path& to);

}  // namespace quirn
