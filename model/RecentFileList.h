// SPDX-License-Identifier: GPL-3.0-or-later
// The files opened or saved last, as the File menu lists them.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace quirn {

// The ten files opened or saved last, the newest first. Never shows descriptions.
class RecentFileList {
  public:
    static constexpr std::size_t kSize = 10;

    void Add(const std::string& path);
    const std::vector<std::string>& entries() const { return entries_; }
    // As stored in the profile: empty entries are skipped, extras dropped.
    void setEntries(const std::vector<std::string>& entries);

  private:
    std::vector<std::string> entries_;
};

}  // namespace quirn
