// SPDX-License-Identifier: GPL-3.0-or-later
// Files and folders for tests: whole-file reads and writes, and a fresh folder per test.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace quirn::test {

inline std::string Slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline std::filesystem::path Put(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

// An empty folder named after the process and the running test, removed again at the end; with
// makeCurrent it is the current directory meanwhile (Initial.qrn and Screen.ini land there).
class ScratchDirectory {
  public:
    explicit ScratchDirectory(const std::string& prefix, bool makeCurrent = false)
        : path_(std::filesystem::temp_directory_path() /
                (prefix + "-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name())),
          previous_(makeCurrent ? std::filesystem::current_path() : std::filesystem::path()) {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
        if (makeCurrent) std::filesystem::current_path(path_);
    }
    ~ScratchDirectory() {
        if (!previous_.empty()) std::filesystem::current_path(previous_);
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};

}  // namespace quirn::test
