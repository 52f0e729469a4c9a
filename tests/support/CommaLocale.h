// SPDX-License-Identifier: GPL-3.0-or-later
// A locale whose decimal mark is a comma, in force for one category while the object lives, for
// the tests that prove numbers never follow the locale. A machine may have none installed
// (scripts/setup-debian.sh generates ru_RU.UTF-8): such a test must then skip, since without
// the comma in force it would prove nothing.
#pragma once

#include <clocale>
#include <cstring>
#include <string>

namespace quirn::test {

class CommaLocale {
  public:
    explicit CommaLocale(int category)
        : category_(category), saved_(std::setlocale(category, nullptr)) {
        for (const char* name : {"ru_RU.UTF-8", "de_DE.UTF-8"}) {
            if (std::setlocale(category, name) == nullptr) continue;
            if (std::strcmp(std::localeconv()->decimal_point, ",") == 0) {
                name_ = name;
                return;
            }
        }
        std::setlocale(category, saved_.c_str());
    }
    ~CommaLocale() { std::setlocale(category_, saved_.c_str()); }
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;

    // The locale in force, empty when none with a decimal comma could be set.
    const std::string& name() const { return name_; }

    static constexpr const char* kMissing =
        "no locale with a decimal comma is installed (ru_RU.UTF-8 or de_DE.UTF-8; "
        "scripts/setup-debian.sh generates the first)";

  private:
    int category_;
    std::string saved_;
    std::string name_;
};

}  // namespace quirn::test
