#include "support/faulty_file_system.h"

namespace tarvola::test {

namespace {

std::string nameOf(const std::filesystem::path& path) { return path.filename().string(); }

class FaultyFile final : public File {
 public:
  FaultyFile(std::unique_ptr<File> real, FaultyFileSystem& fs, std::string name)
      : real_(std::move(real)), fs_(fs), name_(std::move(name)) {}

  std::optional<std::uint64_t> size() override {
    if (!fs_.step("size " + name_)) return std::nullopt;
    return real_->size();
  }
  std::optional<std::size_t> readAt(std::uint64_t offset, std::span<char> out) override {
    if (!fs_.step("read " + name_)) return std::nullopt;
    return real_->readAt(offset, out);
  }
  bool writeAt(std::uint64_t offset, std::span<const char> bytes) override {
    const std::string step = "write " + name_;
    if (!fs_.step(step)) return false;
    if (!fs_.diskFullFor(step)) return real_->writeAt(offset, bytes);
    real_->writeAt(offset, bytes.first(bytes.size() / 2));
    return false;
  }
  bool truncate(std::uint64_t length) override { return fs_.step("truncate " + name_) && real_->truncate(length); }
  bool sync() override { return fs_.step("sync " + name_) && real_->sync(); }

 private:
  std::unique_ptr<File> real_;
  FaultyFileSystem& fs_;
  std::string name_;
};

}  // namespace

bool FaultyFileSystem::step(const std::string& description) {
  ++steps_;
  log_.push_back(description);
  if (steps_ == faultStep_) {
    if (fault_ == Fault::crash) throw Crash{};
    if (fault_ == Fault::fail) return false;
  }
  return !(failWhen_ && failWhen_(description));
}

std::unique_ptr<File> FaultyFileSystem::open(const std::filesystem::path& path, OpenMode mode) {
  if (!step((mode == OpenMode::readOnly ? "open-read " : "open ") + nameOf(path))) return nullptr;
  std::unique_ptr<File> file = real_.open(path, mode);
  if (!file) return nullptr;
  return std::make_unique<FaultyFile>(std::move(file), *this, nameOf(path));
}

FsStatus FaultyFileSystem::remove(const std::filesystem::path& path) {
  if (!step("remove " + nameOf(path))) return FsStatus::failed;
  return real_.remove(path);
}

FsStatus FaultyFileSystem::renameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (!step("rename " + nameOf(from) + " " + nameOf(to))) return FsStatus::failed;
  return real_.renameNoReplace(from, to);
}

FsStatus FaultyFileSystem::replace(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (!step("replace " + nameOf(from) + " " + nameOf(to))) return FsStatus::failed;
  return real_.replace(from, to);
}

}  // namespace tarvola::test

namespace tarvola::test {

FsStatus FaultyFileSystem::lookUp(const std::filesystem::path& path) {
  if (!step("look " + nameOf(path))) return FsStatus::failed;
  return real_.lookUp(path);
}

bool FaultyFileSystem::syncDirectory(const std::filesystem::path& dir) {
  return step("syncdir") && real_.syncDirectory(dir);
}

}  // namespace tarvola::test
