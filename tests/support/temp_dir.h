#pragma once

#include <filesystem>

namespace tarvola::test {

// A fresh data directory, removed with everything in it at the end of the test.
class TempDir {
 public:
  // A name with Chinese characters and a blank: the data directory may be anywhere.
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::filesystem::path& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

}  // namespace tarvola::test
