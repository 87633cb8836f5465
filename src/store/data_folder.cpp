#include "store/data_folder.h"

#include <algorithm>
#include <array>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

#include "store/atomic_rewrite.h"
#include "store/change_intent.h"
#include "store/data_files.h"
#include "store/file_system.h"
#include "store/folder_watch.h"
#include "store/record_file.h"

namespace tarvola {

namespace {

namespace fs = std::filesystem;

// The name as the folder's own names are spelled. Windows finds a file by a
// name in any letter case, by its short 8.3 name, and with trailing dots and
// blanks cut off.
std::string comparableName(const fs::path& file) {
#ifdef _WIN32
  std::wstring name = file.filename().wstring();
  std::wstring longPath(MAX_PATH, L'\0');
  const DWORD length = GetLongPathNameW(file.c_str(), longPath.data(), static_cast<DWORD>(longPath.size()));
  if (length > 0 && length < longPath.size()) name = fs::path(longPath.substr(0, length)).filename().wstring();
  while (!name.empty() && (name.back() == L'.' || name.back() == L' ')) name.pop_back();
  std::string text = utf8Of(fs::path(name));
  std::ranges::transform(text, text.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  return text;
#else
  return utf8Of(file.filename());
#endif
}

bool sameFile(const fs::path& a, const fs::path& b) {
  std::error_code error;
  return fs::equivalent(a, b, error) && !error;
}

// The file a path names, links followed: its folder, and its name there.
fs::path resolved(const fs::path& file) {
  std::error_code error;
  fs::path absolute = fs::absolute(file, error);
  if (error) return file;
  fs::path real = fs::weakly_canonical(absolute, error);
  return error ? absolute.lexically_normal() : real;
}

}  // namespace

void LockRelease::operator()(Lock* lock) const { delete lock; }

DataFolder::DataFolder(std::filesystem::path path, FileSystem& fs) : path_(std::move(path)), fs_(fs) {}

std::filesystem::path DataFolder::pathOf(std::string_view name) const { return path_ / pathFromUtf8(name); }

bool DataFolder::exists() const { return fs_.isDirectory(path_); }

FsStatus DataFolder::lookUp(std::string_view name) const { return fs_.lookUp(pathOf(name)); }

std::optional<std::string> DataFolder::shownRecords(std::string_view name, std::size_t recordLength) const {
  return readShownRecords(fs_, pathOf(name), recordLength, OpenMode::readOnly);
}

std::optional<std::string> DataFolder::record(std::string_view name, std::size_t recordLength, std::uint64_t r) const {
  std::optional<RecordFile> file = RecordFile::open(fs_, pathOf(name), recordLength, OpenMode::readOnly);
  return file ? file->read(r) : std::nullopt;
}

WholeFile DataFolder::readWhole(std::string_view name, std::uint64_t limit) const {
  return readWholeFile(fs_, pathOf(name), limit);
}

bool DataFolder::writable(std::string_view name) const { return fs_.open(pathOf(name), OpenMode::existing) != nullptr; }

bool DataFolder::changePending() const { return fs_.open(pathOf(kChangeRecordName), OpenMode::readOnly) != nullptr; }

std::unique_ptr<FolderWatch> DataFolder::watch() const { return watchFolder(path_); }

bool DataFolder::ownsFile(const std::filesystem::path& file) const {
  const fs::path real = resolved(file);
  if (sameFile(real.parent_path(), path_) && isFolderFileName(comparableName(real))) return true;
  // Another name of one of its files (a hard link) elsewhere.
  std::error_code error;
  if (fs::hard_link_count(real, error) < 2 || error) return false;
  for (fs::directory_iterator entry(path_, error), end; !error && entry != end; entry.increment(error)) {
    if (isFolderFileName(utf8Of(entry->path().filename())) && sameFile(entry->path(), real)) return true;
  }
  return false;
}

bool DataFolder::isKeptDeletions(const std::filesystem::path& file) const {
  return sameFile(resolved(file), pathOf(kDeletedEntriesFileName));
}

WholeFile DataFolder::readOtherFile(const std::filesystem::path& file, std::uint64_t limit) const {
  return readWholeFile(fs_, file, limit);
}

bool DataFolder::writeOtherFile(const std::filesystem::path& file, std::string_view content) const {
  std::filesystem::path temp = file;
  temp += ".tmp";
  if (ownsFile(file) || ownsFile(temp)) return false;
  return rewriteAtomically(fs_, file, temp, content);
}

HeldLock DataFolder::lockForWindow(std::string_view owner, FsStatus& status) const {
#ifdef _WIN32
  const std::filesystem::path locked = windowLockPath();
#else
  const std::filesystem::path& locked = path_;
#endif
  HeldLock lock(fs_.lock(locked, std::chrono::milliseconds(0), status).release());
  // A later start could never find this copy: it runs instead.
  if (lock && !writeWindowOwner(owner)) {
    lock.reset();
    status = FsStatus::failed;
  }
  return lock;
}

bool DataFolder::writeWindowOwner(std::string_view owner) const {
  std::unique_ptr<File> file = fs_.open(windowLockPath(), OpenMode::openOrCreate);
  return file && file->truncate(0) && file->writeAt(0, owner);
}

std::string DataFolder::windowOwner() const {
  std::unique_ptr<File> file = fs_.open(windowLockPath(), OpenMode::readOnly);
  std::array<char, 20> text{};
  const std::optional<std::size_t> length = file ? file->readAt(0, text) : std::nullopt;
  return length ? std::string(text.data(), *length) : std::string();
}

std::filesystem::path DataFolder::windowLockPath() const { return pathOf(kWindowLockName); }

}  // namespace tarvola
