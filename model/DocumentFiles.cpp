// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/DocumentFiles.h"

#include <algorithm>
#include <optional>
#include <string>
#include <system_error>

#include "model/TextCodec.h"

namespace quirn {
namespace {

namespace fs = std::filesystem;

// The name as the file holds it (Windows-1251, maybe with Windows' backslashes) as a path.
fs::path PathOf(const std::string& name) {
    std::string utf8 = Cp1251ToUtf8(name);
    std::replace(utf8.begin(), utf8.end(), '\\', '/');
    return fs::path(utf8);
}

void Rename(std::string& name, const fs::path& from, const fs::path& to) {
    if (name.empty()) return;
    const fs::path named = PathOf(name);
    std::error_code error;
    const fs::path file = fs::weakly_canonical(named.is_absolute() ? named : from / named, error);
    if (error || !fs::exists(file, error)) return;
    const fs::path relative = file.lexically_relative(fs::weakly_canonical(to, error));
    const bool inside = !error && !relative.empty() && *relative.begin() != "..";
    if (const std::optional<std::string> renamed =
            Utf8ToCp1251Exactly((inside ? relative : file).generic_string()))
        name = *renamed;
}

}  // namespace

ScaleParameters WithFilesNamedFrom(const ScaleParameters& record, const fs::path& from,
                                   const fs::path& to) {
    ScaleParameters renamed = record;
    for (auto& [number, picture] : renamed.ext.pictures) Rename(picture.file, from, to);
    if (renamed.ext.templateRecord) Rename(renamed.ext.templateRecord->file, from, to);
    return renamed;
}

}  // namespace quirn
