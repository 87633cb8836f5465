#include "bench/floor_files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>
#include <system_error>

#include "store/change_intent.h"
#include "store/data_files.h"
#include "store/records.h"

namespace tarvola::bench {

namespace {

void check(bool done, const char* what) {
  if (!done) throw std::system_error(errno, std::generic_category(), what);
}

}  // namespace

FloorFile::FloorFile(const std::filesystem::path& path, int flags)
    : FloorFile(::open(path.c_str(), flags | O_CLOEXEC, 0666)) {}

FloorFile::FloorFile(int fd) : fd_(fd) { check(fd_ >= 0, "open"); }

FloorFile::~FloorFile() { ::close(fd_); }

off_t FloorFile::size() const {
  struct stat info {};
  check(::fstat(fd_, &info) == 0, "fstat");
  return info.st_size;
}

std::string FloorFile::readAll() const {
  std::string bytes(static_cast<std::size_t>(size()), '\0');
  check(::pread(fd_, bytes.data(), bytes.size(), 0) == static_cast<ssize_t>(bytes.size()), "pread");
  return bytes;
}

void FloorFile::readAt(off_t offset, std::string& out) const {
  check(::pread(fd_, out.data(), out.size(), offset) == static_cast<ssize_t>(out.size()), "pread");
}

void FloorFile::writeAt(off_t offset, std::string_view bytes) const {
  check(::pwrite(fd_, bytes.data(), bytes.size(), offset) == static_cast<ssize_t>(bytes.size()), "pwrite");
}

void FloorFile::truncate(off_t size) const { check(::ftruncate(fd_, size) == 0, "ftruncate"); }

void FloorFile::sync() const { check(::fsync(fd_) == 0, "fsync"); }

FloorChange::FloorChange(const std::filesystem::path& dir)
    : lock_(::open(changeLockFile(dir).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666)) {
  check(lock_ >= 0, "open lock");
  if (::flock(lock_, LOCK_EX) != 0) {
    ::close(lock_);
    check(false, "flock");
  }
  expectNoChangePending(dir);
  struct stat info {};
  check(::lstat((dir / "chg-0.tmp").c_str(), &info) != 0 && errno == ENOENT, "left temporary");
}

FloorChange::~FloorChange() { ::close(lock_); }

void expectNoChangePending(const std::filesystem::path& dir) {
  const int fd = ::open(changeIntentFile(dir).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd >= 0) ::close(fd);
  check(fd < 0 && errno == ENOENT, "change pending");
}

std::string readWhole(const std::filesystem::path& path) { return FloorFile(path, O_RDONLY).readAll(); }

std::optional<std::string> readIfThere(const std::filesystem::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0 && errno == ENOENT) return std::nullopt;
  return FloorFile(fd).readAll();
}

void writeDurably(const std::filesystem::path& path, std::string_view bytes) {
  const FloorFile file(path, O_WRONLY | O_CREAT | O_TRUNC);
  file.writeAt(0, bytes);
  file.sync();
}

void syncDirectory(const std::filesystem::path& dir) {
  const FloorFile directory(dir, O_RDONLY | O_DIRECTORY);
  directory.sync();
}

void renameOnly(const std::filesystem::path& from, const std::filesystem::path& to) {
  check(::rename(from.c_str(), to.c_str()) == 0, "rename");
}

void removeOnly(const std::filesystem::path& path) { check(::unlink(path.c_str()) == 0, "unlink"); }

std::size_t readEveryDataFile(const std::filesystem::path& dir) {
  const std::string categories = readWhole(categoryFile(dir));
  std::size_t bytes = categories.size();
  const int count = static_cast<int>(categories.size() / CategoryRecord::kLength);
  for (int position = 0; position < count; ++position) {
    if (const std::optional<std::string> sites = readIfThere(siteFile(dir, position))) bytes += sites->size();
  }
  return bytes;
}

void renameDurably(const std::filesystem::path& from, const std::filesystem::path& to) {
  renameOnly(from, to);
  syncDirectory(to.parent_path());
}

}  // namespace tarvola::bench
