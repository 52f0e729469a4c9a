// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/InitialParameters.h"

#include <filesystem>
#include <system_error>

#include "model/ParameterText.h"

namespace quirn {

ScaleParameters ReadInitialParameters(const std::string& file) {
    const Result<std::string> initial = ReadParameterFile(file);
    return initial.outcome.fault == Fault::None ? ReadScaleParameters(initial.value)
                                                : kDefaultParameters;
}

Fault WriteInitialParameters(const ScaleParameters& params, const std::string& file) {
    return WriteFileAtomically(file, WriteParameterText(params));
}

std::string InitialParametersPath(const std::string& file) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(file, error);
    if (error) return file;
    return absolute.lexically_normal().string();
}

}  // namespace quirn
