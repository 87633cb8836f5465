#include "support/faulty_file_system.h"

#include "store/data_files.h"

namespace tarvola::test {

namespace {

std::string nameOf(const std::filesystem::path& path) { return utf8Of(path.filename()); }

class FaultyFile final : public File {
 public:
  FaultyFile(std::unique_ptr<File> real, FaultyFileSystem& fs, std::string name)
      : real_(std::move(real)), fs_(fs), name_(std::move(name)) {}

  std::optional<std::uint64_t> size() override {
    if (!ok("size ")) return std::nullopt;
    return real_->size();
  }
  std::optional<std::size_t> readAt(std::uint64_t offset, std::span<char> out) override {
    if (!ok("read ")) return std::nullopt;
    return real_->readAt(offset, out);
  }
  bool writeAt(std::uint64_t offset, std::span<const char> bytes) override {
    const std::string step = "write " + name_;
    if (fs_.step(step) != FsStatus::ok) return false;
    if (!fs_.diskFullFor(step)) return real_->writeAt(offset, bytes);
    real_->writeAt(offset, bytes.first(bytes.size() / 2));
    return false;
  }
  bool truncate(std::uint64_t length) override { return ok("truncate ") && real_->truncate(length); }
  bool sync() override { return ok("sync ") && real_->sync(); }

 private:
  bool ok(const char* step) { return fs_.step(step + name_) == FsStatus::ok; }

  std::unique_ptr<File> real_;
  FaultyFileSystem& fs_;
  std::string name_;
};

}  // namespace

FsStatus FaultyFileSystem::step(const std::string& description) {
  ++steps_;
  log_.push_back(description);
  if (steps_ == interruptionStep_ && interruption_) interruption_();
  if (steps_ == faultStep_) {
    if (fault_ == Fault::crash) throw Crash{};
    if (fault_ == Fault::fail) return FsStatus::failed;
    if (fault_ == Fault::busy) return FsStatus::busy;
  }
  if (busyTimes_ > 0 && busyWhen_ && busyWhen_(description)) {
    --busyTimes_;
    return FsStatus::busy;
  }
  return failWhen_ && failWhen_(description) ? FsStatus::failed : FsStatus::ok;
}

std::unique_ptr<File> FaultyFileSystem::open(const std::filesystem::path& path, OpenMode mode, FsStatus& status) {
  status = step((mode == OpenMode::readOnly ? "open-read " : "open ") + nameOf(path));
  if (status != FsStatus::ok) return nullptr;
  std::unique_ptr<File> file = real_.open(path, mode, status);
  if (!file) return nullptr;
  return std::make_unique<FaultyFile>(std::move(file), *this, nameOf(path));
}

FsStatus FaultyFileSystem::remove(const std::filesystem::path& path) {
  const FsStatus status = step("remove " + nameOf(path));
  return status == FsStatus::ok ? real_.remove(path) : status;
}

FsStatus FaultyFileSystem::renameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to) {
  const FsStatus status = step("rename " + nameOf(from) + " " + nameOf(to));
  return status == FsStatus::ok ? real_.renameNoReplace(from, to) : status;
}

FsStatus FaultyFileSystem::replace(const std::filesystem::path& from, const std::filesystem::path& to) {
  const FsStatus status = step("replace " + nameOf(from) + " " + nameOf(to));
  return status == FsStatus::ok ? real_.replace(from, to) : status;
}

FsStatus FaultyFileSystem::lookUp(const std::filesystem::path& path) {
  const FsStatus status = step("look " + nameOf(path));
  return status == FsStatus::ok ? real_.lookUp(path) : FsStatus::failed;
}

bool FaultyFileSystem::isDirectory(const std::filesystem::path& path) {
  return step("isdir " + nameOf(path)) == FsStatus::ok && real_.isDirectory(path);
}

bool FaultyFileSystem::syncDirectory(const std::filesystem::path& dir) {
  return step("syncdir") == FsStatus::ok && real_.syncDirectory(dir);
}

std::unique_ptr<Lock> FaultyFileSystem::lock(const std::filesystem::path& lockFile, std::chrono::milliseconds patience,
                                             FsStatus& status) {
  status = step("lock " + nameOf(lockFile));
  if (status != FsStatus::ok) return nullptr;
  return real_.lock(lockFile, lockPatience_.value_or(patience), status);
}

}  // namespace tarvola::test
