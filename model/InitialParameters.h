// SPDX-License-Identifier: GPL-3.0-or-later
// The parameters kept between runs: read on every new document, written at the end of the run.
#pragma once

#include <string>

#include "model/FileAccess.h"
#include "model/ScaleParameters.h"

namespace quirn {

// By default in the current directory at the moment of the access; the program may place it
// elsewhere.
inline constexpr const char* kInitialParametersFile = "Initial.qrn";

// The record of file (an empty file gives zeros), or the built-in defaults when it cannot be read
// or is no parameter file. A relative path is taken from the current directory.
ScaleParameters ReadInitialParameters(const std::string& file = kInitialParametersFile);

// Writes the parameters kept between runs to file, the safe way: a failed write keeps the
// previous file. The program calls this at the end of the run, with the session's record, and
// only if the session ever showed a record (a start-up open that failed gives none, and then the
// old file stays). The caller reports a failure (FileFailure with InitialParametersPath(file)
// and the create operation); the run ends anyway.
Fault WriteInitialParameters(const ScaleParameters& params,
                             const std::string& file = kInitialParametersFile);
// The full path of file.
std::string InitialParametersPath(const std::string& file = kInitialParametersFile);

}  // namespace quirn
