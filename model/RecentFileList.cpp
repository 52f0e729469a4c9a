// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/RecentFileList.h"

#include <algorithm>

namespace quirn {

void RecentFileList::Add(const std::string& path) {
    if (path.empty()) return;
    entries_.erase(std::remove(entries_.begin(), entries_.end(), path), entries_.end());
    entries_.insert(entries_.begin(), path);
    if (entries_.size() > kSize) entries_.resize(kSize);
}

void RecentFileList::setEntries(const std::vector<std::string>& entries) {
    entries_.clear();
    for (const std::string& entry : entries) {
        if (entry.empty() || std::find(entries_.begin(), entries_.end(), entry) != entries_.end())
            continue;
        entries_.push_back(entry);
        if (entries_.size() == kSize) break;
    }
}

}  // namespace quirn
