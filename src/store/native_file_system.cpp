#include "store/file_system.h"

#include "store/retrying_file_system.h"

#ifdef _WIN32
#include <windows.h>

#include <algorithm>
#else
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tarvola {

namespace {

// Tries to take a lock until it is had or `patience` has run out.
template <typename TryLock>
std::unique_ptr<Lock> lockPatiently(std::chrono::milliseconds patience, FsStatus& status, TryLock tryLock) {
  std::unique_ptr<Lock> held;
  status = retryWhileBusy(patience, [&] { return tryLock(held); });
  return held;
}

#ifdef _WIN32

bool isMissing(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

// Access denied that another program's open handle may explain: the file is
// there and may be written, or it was deleted while still open ("delete
// pending"), when Windows refuses even its attributes. A read-only file or a
// directory is refused for good.
bool mayBeHeld(const std::filesystem::path& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return GetLastError() == ERROR_ACCESS_DENIED;
  return !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY));
}

// Windows refuses to open, rename, replace or remove a file that another
// program holds: with a sharing or lock violation, or with access denied to `held`.
FsStatus statusOf(BOOL done, const std::filesystem::path* held = nullptr) {
  if (done) return FsStatus::ok;
  const DWORD error = GetLastError();
  if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) return FsStatus::exists;
  if (isMissing(error)) return FsStatus::missing;
  if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION) return FsStatus::busy;
  if (error == ERROR_ACCESS_DENIED && held && mayBeHeld(*held)) return FsStatus::busy;
  return FsStatus::failed;
}

// A file deleted while another program has it open (with delete sharing)
// keeps its name until that program lets go: no file of that name can be made
// meanwhile, and a rename onto it finds it there. Free only once it is gone.
FsStatus nameFreed(const std::filesystem::path& path) {
  if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) return FsStatus::busy;
  return GetLastError() == ERROR_ACCESS_DENIED ? FsStatus::busy : FsStatus::ok;
}

class NativeFile final : public File {
 public:
  explicit NativeFile(HANDLE handle) : handle_(handle) {}
  ~NativeFile() override { CloseHandle(handle_); }
  NativeFile(const NativeFile&) = delete;
  NativeFile& operator=(const NativeFile&) = delete;

  std::optional<std::uint64_t> size() override {
    LARGE_INTEGER size;
    if (!GetFileSizeEx(handle_, &size)) return std::nullopt;
    return static_cast<std::uint64_t>(size.QuadPart);
  }

  std::optional<std::size_t> readAt(std::uint64_t offset, std::span<char> out) override {
    std::size_t done = 0;
    while (done < out.size()) {
      OVERLAPPED at = overlappedAt(offset + done);
      DWORD count = 0;
      const DWORD want = static_cast<DWORD>(std::min<std::size_t>(out.size() - done, 1u << 30));
      if (!ReadFile(handle_, out.data() + done, want, &count, &at)) {
        if (GetLastError() == ERROR_HANDLE_EOF) break;
        return std::nullopt;
      }
      if (count == 0) break;
      done += count;
    }
    return done;
  }

  bool writeAt(std::uint64_t offset, std::span<const char> bytes) override {
    std::size_t done = 0;
    while (done < bytes.size()) {
      OVERLAPPED at = overlappedAt(offset + done);
      DWORD count = 0;
      const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
      if (!WriteFile(handle_, bytes.data() + done, want, &count, &at) || count == 0) return false;
      done += count;
    }
    return true;
  }

  bool truncate(std::uint64_t length) override {
    LARGE_INTEGER at;
    at.QuadPart = static_cast<LONGLONG>(length);
    return SetFilePointerEx(handle_, at, nullptr, FILE_BEGIN) && SetEndOfFile(handle_);
  }

  bool sync() override { return FlushFileBuffers(handle_) != 0; }

 private:
  static OVERLAPPED overlappedAt(std::uint64_t offset) {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset & 0xFFFFFFFFu);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    return at;
  }

  HANDLE handle_;
};

// Held as long as its handle is open. The locked byte lies far past any
// content, so the file itself stays readable.
class NativeLock final : public Lock {
 public:
  explicit NativeLock(HANDLE handle) : handle_(handle) {}
  ~NativeLock() override { CloseHandle(handle_); }
  NativeLock(const NativeLock&) = delete;
  NativeLock& operator=(const NativeLock&) = delete;

 private:
  HANDLE handle_;
};

constexpr DWORD kLockedByteHigh = 0x7FFFFFFF;

class NativeFileSystem final : public FileSystem {
 public:
  using FileSystem::open;

  std::unique_ptr<File> open(const std::filesystem::path& path, OpenMode mode, FsStatus& status) override {
    const DWORD disposition = mode == OpenMode::openOrCreate ? OPEN_ALWAYS
                              : mode == OpenMode::truncate   ? CREATE_ALWAYS
                                                             : OPEN_EXISTING;
    const DWORD access = mode == OpenMode::readOnly ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE;
    HANDLE handle = CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, disposition,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    status = statusOf(handle != INVALID_HANDLE_VALUE, &path);
    if (handle == INVALID_HANDLE_VALUE) return nullptr;
    if (GetFileType(handle) != FILE_TYPE_DISK) {
      CloseHandle(handle);
      status = FsStatus::failed;
      return nullptr;
    }
    return std::make_unique<NativeFile>(handle);
  }

  FsStatus remove(const std::filesystem::path& path) override {
    if (DeleteFileW(path.c_str())) return nameFreed(path);
    if (GetLastError() == ERROR_ACCESS_DENIED && isDirectory(path)) return statusOf(RemoveDirectoryW(path.c_str()));
    return statusOf(FALSE, &path);
  }

  FsStatus renameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to) override {
    return statusOf(MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH), &from);
  }

  // A source held without delete sharing is a sharing violation; access denied is the target's.
  // The new file keeps the attributes of the one it replaces (hidden, say).
  FsStatus replace(const std::filesystem::path& from, const std::filesystem::path& to) override {
    constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    const DWORD old = GetFileAttributesW(to.c_str());
    if (old != INVALID_FILE_ATTRIBUTES && (old & kKept) != 0) {
      const DWORD fresh = GetFileAttributesW(from.c_str());
      if (fresh != INVALID_FILE_ATTRIBUTES) SetFileAttributesW(from.c_str(), (fresh & ~kKept) | (old & kKept));
    }
    return statusOf(MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH), &to);
  }

  FsStatus lookUp(const std::filesystem::path& path) override {
    return statusOf(GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES);
  }

  bool isDirectory(const std::filesystem::path& path) override {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
  }

  // Every move is written through, and NTFS logs a delete before it returns:
  // there is nothing left for a directory flush to do.
  bool syncDirectory(const std::filesystem::path&) override { return true; }

  std::unique_ptr<Lock> lock(const std::filesystem::path& lockFile, std::chrono::milliseconds patience,
                             FsStatus& status) override {
    return lockPatiently(patience, status, [&lockFile](std::unique_ptr<Lock>& held) { return tryLock(lockFile, held); });
  }

 private:
  // A hidden file: it is no data of the user's. Not shared for deletion: a
  // lock file that a sync client removed or replaced while held would let
  // another holder in, on a new file or, while the old one is still pending
  // deletion, on none at all.
  static FsStatus tryLock(const std::filesystem::path& lockFile, std::unique_ptr<Lock>& held) {
    HANDLE handle = CreateFileW(lockFile.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN, nullptr);
    // A read-only medium still lets the lock be taken on a lock file that is there.
    if (handle == INVALID_HANDLE_VALUE)
      handle = CreateFileW(lockFile.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return FsStatus::failed;
    OVERLAPPED at{};
    at.OffsetHigh = kLockedByteHigh;
    if (!LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
      const DWORD error = GetLastError();
      CloseHandle(handle);
      return error == ERROR_LOCK_VIOLATION || error == ERROR_IO_PENDING ? FsStatus::busy : FsStatus::failed;
    }
    held = std::make_unique<NativeLock>(handle);
    return FsStatus::ok;
  }

};

#else

FsStatus statusOfErrno() {
  if (errno == EEXIST) return FsStatus::exists;
  return errno == ENOENT ? FsStatus::missing : FsStatus::failed;
}

// flock, not fcntl: its lock belongs to the open file, so two locks in one
// process exclude each other as two processes do.
class NativeLock final : public Lock {
 public:
  explicit NativeLock(int fd) : fd_(fd) {}
  ~NativeLock() override { ::close(fd_); }
  NativeLock(const NativeLock&) = delete;
  NativeLock& operator=(const NativeLock&) = delete;

 private:
  int fd_;
};

// A rename is on the disk once the directory that holds the names is.
bool syncDirectoryAt(const std::filesystem::path& dir) {
  const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = ::fsync(fd) == 0;
  ::close(fd);
  return synced;
}

// Non-blocking, so that a FIFO in a file's place can't hang the open; only a
// regular file is kept, and its size comes with it.
int openRegular(const std::filesystem::path& path, int flags, off_t& size) {
  const int fd = ::open(path.c_str(), flags | O_CLOEXEC | O_NONBLOCK, 0666);
  if (fd < 0) return -1;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    errno = EISDIR;
    return -1;
  }
#ifndef __linux__
  // Linux ignores O_NONBLOCK on a regular file; another system might not.
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
#endif
  size = info.st_size;
  return fd;
}

class NativeFile final : public File {
 public:
  NativeFile(int fd, off_t sizeAtOpen) : fd_(fd), knownSize_(static_cast<std::uint64_t>(sizeAtOpen)) {}
  ~NativeFile() override { ::close(fd_); }
  NativeFile(const NativeFile&) = delete;
  NativeFile& operator=(const NativeFile&) = delete;

  // The size seen at the open serves until this file is changed: every reader
  // asks for it right after opening, and another fstat would tell no more.
  std::optional<std::uint64_t> size() override {
    if (knownSize_) return knownSize_;
    struct stat info {};
    if (::fstat(fd_, &info) != 0) return std::nullopt;
    return static_cast<std::uint64_t>(info.st_size);
  }

  std::optional<std::size_t> readAt(std::uint64_t offset, std::span<char> out) override {
    std::size_t done = 0;
    while (done < out.size()) {
      const ssize_t count = ::pread(fd_, out.data() + done, out.size() - done, static_cast<off_t>(offset + done));
      if (count < 0 && errno == EINTR) continue;
      if (count < 0) return std::nullopt;
      if (count == 0) break;
      done += static_cast<std::size_t>(count);
    }
    return done;
  }

  bool writeAt(std::uint64_t offset, std::span<const char> bytes) override {
    knownSize_.reset();
    std::size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t count = ::pwrite(fd_, bytes.data() + done, bytes.size() - done, static_cast<off_t>(offset + done));
      if (count < 0 && errno == EINTR) continue;
      if (count <= 0) return false;
      done += static_cast<std::size_t>(count);
    }
    return true;
  }

  bool truncate(std::uint64_t length) override {
    knownSize_.reset();
    return ::ftruncate(fd_, static_cast<off_t>(length)) == 0;
  }

  bool sync() override { return ::fsync(fd_) == 0; }

 private:
  int fd_;
  std::optional<std::uint64_t> knownSize_;
};

class NativeFileSystem final : public FileSystem {
 public:
  using FileSystem::open;

  std::unique_ptr<File> open(const std::filesystem::path& path, OpenMode mode, FsStatus& status) override {
    int flags = mode == OpenMode::readOnly ? O_RDONLY : O_RDWR;
    if (mode == OpenMode::openOrCreate) flags |= O_CREAT;
    // Emptied only once it is known to be a regular file: O_TRUNC would act before the check.
    if (mode == OpenMode::truncate) flags |= O_CREAT;
    off_t size = 0;
    const int fd = openRegular(path, flags, size);
    if (fd < 0) {
      status = statusOfErrno();
      return nullptr;
    }
    if (mode == OpenMode::truncate) {
      if (::ftruncate(fd, 0) != 0) {
        status = statusOfErrno();
        ::close(fd);
        return nullptr;
      }
      size = 0;
    }
    status = FsStatus::ok;
    return std::make_unique<NativeFile>(fd, size);
  }

  FsStatus remove(const std::filesystem::path& path) override {
    if (::unlink(path.c_str()) == 0) return FsStatus::ok;
    if (errno != EISDIR && errno != EPERM) return statusOfErrno();
    return ::rmdir(path.c_str()) == 0 ? FsStatus::ok : FsStatus::failed;
  }

  FsStatus renameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to) override {
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return FsStatus::ok;
    if (errno != EINVAL && errno != ENOSYS) return statusOfErrno();
#endif
    // Where the file system can't rename without replacing, a hard link can't replace either.
    if (::link(from.c_str(), to.c_str()) != 0) return statusOfErrno();
    if (::unlink(from.c_str()) != 0) {
      const FsStatus status = statusOfErrno();
      ::unlink(to.c_str());
      return status;
    }
    return FsStatus::ok;
  }

  // Done only once on the disk: a power cut may undo a rename whose directory was not flushed.
  // The new file keeps the permissions of the one it replaces.
  FsStatus replace(const std::filesystem::path& from, const std::filesystem::path& to) override {
    struct stat old {};
    if (::stat(to.c_str(), &old) == 0 && S_ISREG(old.st_mode)) ::chmod(from.c_str(), old.st_mode & 07777);
    if (::rename(from.c_str(), to.c_str()) != 0) return statusOfErrno();
    return syncDirectoryAt(to.parent_path()) ? FsStatus::ok : FsStatus::failed;
  }

  FsStatus lookUp(const std::filesystem::path& path) override {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 ? FsStatus::ok : statusOfErrno();
  }

  bool isDirectory(const std::filesystem::path& path) override {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
  }

  bool syncDirectory(const std::filesystem::path& dir) override { return syncDirectoryAt(dir); }

  std::unique_ptr<Lock> lock(const std::filesystem::path& lockFile, std::chrono::milliseconds patience,
                             FsStatus& status) override {
    return lockPatiently(patience, status, [&lockFile](std::unique_ptr<Lock>& held) { return tryLock(lockFile, held); });
  }

 private:
  static FsStatus tryLock(const std::filesystem::path& lockFile, std::unique_ptr<Lock>& held) {
    int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666);
    // A read-only medium still lets the lock be taken on a lock file that is there.
    if (fd < 0) fd = ::open(lockFile.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return FsStatus::failed;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      const FsStatus status = errno == EWOULDBLOCK ? FsStatus::busy : FsStatus::failed;
      ::close(fd);
      return status;
    }
    held = std::make_unique<NativeLock>(fd);
    return FsStatus::ok;
  }
};

#endif

}  // namespace

FileSystem& systemFileSystem() {
  static NativeFileSystem instance;
  return instance;
}

}  // namespace tarvola
