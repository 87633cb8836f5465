#pragma once

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <string>

namespace tarvola::test {

// Another program holding a file open, as a virus scanner or an indexer does:
// from the moment the constructor returns until `hold` later, sharing it as
// `sharing` says (none, read, read-write or all). Runs tarvola_file_holder,
// built beside the test program.
class HeldFile {
 public:
  HeldFile(const std::filesystem::path& path, const std::string& sharing, std::chrono::milliseconds hold);
  // Waits for the holder to let go and end.
  ~HeldFile();
  HeldFile(const HeldFile&) = delete;
  HeldFile& operator=(const HeldFile&) = delete;

  // False when the holder could not be started or could not open the file.
  bool held() const { return held_; }

 private:
  HANDLE process_ = nullptr;
  bool held_ = false;
};

}  // namespace tarvola::test
