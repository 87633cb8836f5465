#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "store/file_system.h"

namespace tarvola::test {

// The real file system of one directory, with a model of what a power cut
// would leave of it. A file's bytes are on the disk once it is synced; names
// (creates, renames, removes) once the directory is synced. Names are kept in
// order: a cut keeps a prefix of the changes not yet synced. The last write
// not yet synced may be torn: any number of its 512-byte sectors came through.
class PowerCutFileSystem final : public FileSystem {
 public:
  struct Cut {};  // thrown where the power goes, before the step
  using Files = std::map<std::string, std::string>;

  // Everything in `dir` now is on the disk.
  explicit PowerCutFileSystem(std::filesystem::path dir);

  // The power goes before step `step` (counted from 1).
  void cutAt(int step) { cutStep_ = step; }
  // A test switch: no sync puts anything on the disk, as if the flushes were missing.
  void ignoreSyncs() { ignoreSyncs_ = true; }
  int steps() const { return steps_; }

  // Every state a cut now may leave, each a whole directory.
  std::vector<Files> statesAfterCut() const;

  using FileSystem::open;
  std::unique_ptr<File> open(const std::filesystem::path& path, OpenMode mode, FsStatus& status) override;
  FsStatus remove(const std::filesystem::path& path) override;
  FsStatus renameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to) override;
  FsStatus replace(const std::filesystem::path& from, const std::filesystem::path& to) override;
  FsStatus lookUp(const std::filesystem::path& path) override;
  bool isDirectory(const std::filesystem::path& path) override;
  bool syncDirectory(const std::filesystem::path& dir) override;
  // Locks keep no data: nothing of them is modelled.
  std::unique_ptr<Lock> lock(const std::filesystem::path& lockFile, std::chrono::milliseconds patience,
                             FsStatus& status) override;

  // Called by the files it opens.
  void step();
  void wrote(int id, std::uint64_t offset, std::string bytes);
  void synced(int id, std::string content);

 private:
  struct NameChange {
    std::string from;  // empty: a new file `to` with `id`
    std::string to;    // empty: `from` removed
    int id = 0;
  };
  struct Write {
    int id = 0;
    std::uint64_t offset = 0;
    std::string bytes;
  };
  static void apply(std::map<std::string, int>& names, const NameChange& change);
  void renamed(FsStatus status, const std::filesystem::path& from, const std::filesystem::path& to);
  void flushNames();
  Files filesOf(const std::map<std::string, int>& names) const;

  FileSystem& real_ = nativeFileSystem();
  std::filesystem::path dir_;
  std::map<std::string, int> liveNames_;
  std::map<std::string, int> durableNames_;
  std::map<int, std::string> durableContent_;
  std::vector<NameChange> pendingNames_;
  std::optional<Write> lastWrite_;
  int nextId_ = 1;
  int steps_ = 0;
  int cutStep_ = 0;
  bool ignoreSyncs_ = false;
};

}  // namespace tarvola::test
