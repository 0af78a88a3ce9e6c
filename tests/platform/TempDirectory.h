#pragma once
// Fresh temporary directories for tests that read and write real files.

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <string>

namespace morovan::testing {

// A new empty directory, removed with everything in it when the object goes.
class TempDirectory {
 public:
  TempDirectory() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "morovan-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
  }
  ~TempDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempDirectory(const TempDirectory&) = delete;
  TempDirectory& operator=(const TempDirectory&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// While it lives, the current directory is a fresh temporary one: for code that
// reads and writes its files "in the current directory".
class InTempDirectory {
 public:
  InTempDirectory() : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(dir_.path());
  }
  ~InTempDirectory() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
  }
  const std::filesystem::path& dir() const { return dir_.path(); }

 private:
  std::filesystem::path previous_;
  TempDirectory dir_;
};

}  // namespace morovan::testing
