#pragma once

#include <filesystem>
#include <string>

namespace tarvola::bench {

// A data directory of its own in the temporary folder ($TMPDIR), removed with
// everything in it when it goes.
class ScratchDir {
 public:
  explicit ScratchDir(const std::string& name);
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace tarvola::bench
