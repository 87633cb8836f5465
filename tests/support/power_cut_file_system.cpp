#include "support/power_cut_file_system.h"

#include <algorithm>

#include "store/data_files.h"
#include "support/file_bytes.h"

namespace tarvola::test {

namespace {

constexpr std::uint64_t kSector = 512;

std::string nameOf(const std::filesystem::path& path) { return utf8Of(path.filename()); }

class ModelledFile final : public File {
 public:
  ModelledFile(std::unique_ptr<File> real, PowerCutFileSystem& fs, int id) : real_(std::move(real)), fs_(fs), id_(id) {}

  std::optional<std::uint64_t> size() override {
    fs_.step();
    return real_->size();
  }
  std::optional<std::size_t> readAt(std::uint64_t offset, std::span<char> out) override {
    fs_.step();
    return real_->readAt(offset, out);
  }
  bool writeAt(std::uint64_t offset, std::span<const char> bytes) override {
    fs_.step();
    if (!real_->writeAt(offset, bytes)) return false;
    fs_.wrote(id_, offset, std::string(bytes.begin(), bytes.end()));
    return true;
  }
  bool truncate(std::uint64_t length) override {
    fs_.step();
    return real_->truncate(length);
  }
  bool sync() override {
    fs_.step();
    if (!real_->sync()) return false;
    std::string content(real_->size().value_or(0), '\0');
    real_->readAt(0, content);
    fs_.synced(id_, std::move(content));
    return true;
  }

 private:
  std::unique_ptr<File> real_;
  PowerCutFileSystem& fs_;
  int id_;
};

}  // namespace

PowerCutFileSystem::PowerCutFileSystem(std::filesystem::path dir) : dir_(std::move(dir)) {
  for (const std::filesystem::directory_entry& entry : std::filesystem::directory_iterator(dir_)) {
    if (!entry.is_regular_file() || isLockFileName(nameOf(entry.path()))) continue;
    const int id = nextId_++;
    liveNames_[nameOf(entry.path())] = id;
    durableContent_[id] = readBytes(entry.path());
  }
  durableNames_ = liveNames_;
}

void PowerCutFileSystem::step() {
  if (++steps_ == cutStep_) throw Cut{};
}

void PowerCutFileSystem::wrote(int id, std::uint64_t offset, std::string bytes) {
  lastWrite_ = Write{id, offset, std::move(bytes)};
}

void PowerCutFileSystem::synced(int id, std::string content) {
  if (ignoreSyncs_) return;
  durableContent_[id] = std::move(content);
  if (lastWrite_ && lastWrite_->id == id) lastWrite_.reset();
}

void PowerCutFileSystem::apply(std::map<std::string, int>& names, const NameChange& change) {
  int id = change.id;
  if (!change.from.empty()) {
    const auto it = names.find(change.from);
    if (it == names.end()) return;
    id = it->second;
    names.erase(it);
  }
  if (!change.to.empty()) names[change.to] = id;
}

void PowerCutFileSystem::flushNames() {
  if (ignoreSyncs_) return;
  for (const NameChange& change : pendingNames_) apply(durableNames_, change);
  pendingNames_.clear();
}

std::unique_ptr<File> PowerCutFileSystem::open(const std::filesystem::path& path, OpenMode mode, FsStatus& status) {
  step();
  std::unique_ptr<File> file = real_.open(path, mode, status);
  if (!file) return nullptr;
  const std::string name = nameOf(path);
  if (!liveNames_.contains(name)) {
    liveNames_[name] = nextId_;
    pendingNames_.push_back({"", name, nextId_++});
  }
  return std::make_unique<ModelledFile>(std::move(file), *this, liveNames_[name]);
}

FsStatus PowerCutFileSystem::remove(const std::filesystem::path& path) {
  step();
  const FsStatus status = real_.remove(path);
  if (status == FsStatus::ok) {
    liveNames_.erase(nameOf(path));
    pendingNames_.push_back({nameOf(path), "", 0});
  }
  return status;
}

void PowerCutFileSystem::renamed(FsStatus status, const std::filesystem::path& from, const std::filesystem::path& to) {
  if (status != FsStatus::ok) return;
  const NameChange change{nameOf(from), nameOf(to), 0};
  apply(liveNames_, change);
  pendingNames_.push_back(change);
}

FsStatus PowerCutFileSystem::renameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to) {
  step();
  const FsStatus status = real_.renameNoReplace(from, to);
  renamed(status, from, to);
  return status;
}

// On the disk when it returns: the real one syncs the directory.
FsStatus PowerCutFileSystem::replace(const std::filesystem::path& from, const std::filesystem::path& to) {
  step();
  const FsStatus status = real_.replace(from, to);
  renamed(status, from, to);
  if (status == FsStatus::ok) flushNames();
  return status;
}

FsStatus PowerCutFileSystem::lookUp(const std::filesystem::path& path) {
  step();
  return real_.lookUp(path);
}

bool PowerCutFileSystem::isDirectory(const std::filesystem::path& path) {
  step();
  return real_.isDirectory(path);
}

std::unique_ptr<Lock> PowerCutFileSystem::lock(const std::filesystem::path& lockFile, std::chrono::milliseconds patience,
                                               FsStatus& status) {
  step();
  return real_.lock(lockFile, patience, status);
}

bool PowerCutFileSystem::syncDirectory(const std::filesystem::path& dir) {
  step();
  if (!real_.syncDirectory(dir)) return false;
  flushNames();
  return true;
}

PowerCutFileSystem::Files PowerCutFileSystem::filesOf(const std::map<std::string, int>& names) const {
  Files files;
  for (const auto& [name, id] : names) {
    const auto content = durableContent_.find(id);
    files[name] = content == durableContent_.end() ? std::string() : content->second;
  }
  return files;
}

std::vector<PowerCutFileSystem::Files> PowerCutFileSystem::statesAfterCut() const {
  std::vector<Files> states;
  std::map<std::string, int> names = durableNames_;
  states.push_back(filesOf(names));
  for (const NameChange& change : pendingNames_) {
    apply(names, change);
    states.push_back(filesOf(names));
  }
  if (!lastWrite_) return states;
  // With every name through, the last write torn after each of its sectors.
  const auto named = std::ranges::find_if(names, [&](const auto& entry) { return entry.second == lastWrite_->id; });
  if (named == names.end()) return states;
  const std::uint64_t end = lastWrite_->offset + lastWrite_->bytes.size();
  for (std::uint64_t cut = (lastWrite_->offset / kSector + 1) * kSector;; cut += kSector) {
    const std::uint64_t through = std::min(cut, end) - lastWrite_->offset;
    Files torn = filesOf(names);
    std::string& content = torn[named->first];
    if (content.size() < lastWrite_->offset + through) content.resize(lastWrite_->offset + through, '\0');
    content.replace(lastWrite_->offset, through, lastWrite_->bytes.substr(0, through));
    states.push_back(std::move(torn));
    if (cut >= end) break;
  }
  return states;
}

}  // namespace tarvola::test
