#include "store/file_system.h"

#ifdef _WIN32
#include <windows.h>

#include <algorithm>
#else
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tarvola {

namespace {

#ifdef _WIN32

bool isMissing(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

FsStatus statusOf(BOOL done) {
  if (done) return FsStatus::ok;
  const DWORD error = GetLastError();
  if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) return FsStatus::exists;
  return isMissing(error) ? FsStatus::missing : FsStatus::failed;
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

class NativeFileSystem final : public FileSystem {
 public:
  std::unique_ptr<File> open(const std::filesystem::path& path, OpenMode mode) override {
    const DWORD disposition = mode == OpenMode::openOrCreate ? OPEN_ALWAYS
                              : mode == OpenMode::truncate   ? CREATE_ALWAYS
                                                             : OPEN_EXISTING;
    const DWORD access = mode == OpenMode::readOnly ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE;
    HANDLE handle = CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, disposition,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return nullptr;
    if (GetFileType(handle) != FILE_TYPE_DISK) {
      CloseHandle(handle);
      return nullptr;
    }
    return std::make_unique<NativeFile>(handle);
  }

  FsStatus remove(const std::filesystem::path& path) override {
    if (DeleteFileW(path.c_str())) return FsStatus::ok;
    if (GetLastError() == ERROR_ACCESS_DENIED && RemoveDirectoryW(path.c_str())) return FsStatus::ok;
    return statusOf(FALSE);
  }

  FsStatus renameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to) override {
    return statusOf(MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH));
  }

  FsStatus replace(const std::filesystem::path& from, const std::filesystem::path& to) override {
    return statusOf(MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
  }

  FsStatus lookUp(const std::filesystem::path& path) override {
    return statusOf(GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES);
  }

  // Every move is written through, and NTFS logs a delete before it returns:
  // there is nothing left for a directory flush to do.
  bool syncDirectory(const std::filesystem::path&) override { return true; }
};

#else

FsStatus statusOfErrno() {
  if (errno == EEXIST) return FsStatus::exists;
  return errno == ENOENT ? FsStatus::missing : FsStatus::failed;
}

// A rename is on the disk once the directory that holds the names is.
bool syncDirectoryAt(const std::filesystem::path& dir) {
  const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = ::fsync(fd) == 0;
  ::close(fd);
  return synced;
}

// Non-blocking, so that a FIFO in a file's place can't hang the open; only a
// regular file is kept.
int openRegular(const std::filesystem::path& path, int flags) {
  const int fd = ::open(path.c_str(), flags | O_CLOEXEC | O_NONBLOCK, 0666);
  if (fd < 0) return -1;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    errno = EISDIR;
    return -1;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return fd;
}

class NativeFile final : public File {
 public:
  explicit NativeFile(int fd) : fd_(fd) {}
  ~NativeFile() override { ::close(fd_); }
  NativeFile(const NativeFile&) = delete;
  NativeFile& operator=(const NativeFile&) = delete;

  std::optional<std::uint64_t> size() override {
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
    std::size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t count = ::pwrite(fd_, bytes.data() + done, bytes.size() - done, static_cast<off_t>(offset + done));
      if (count < 0 && errno == EINTR) continue;
      if (count <= 0) return false;
      done += static_cast<std::size_t>(count);
    }
    return true;
  }

  bool truncate(std::uint64_t length) override { return ::ftruncate(fd_, static_cast<off_t>(length)) == 0; }

  bool sync() override { return ::fsync(fd_) == 0; }

 private:
  int fd_;
};

class NativeFileSystem final : public FileSystem {
 public:
  std::unique_ptr<File> open(const std::filesystem::path& path, OpenMode mode) override {
    int flags = mode == OpenMode::readOnly ? O_RDONLY : O_RDWR;
    if (mode == OpenMode::openOrCreate) flags |= O_CREAT;
    // Emptied only once it is known to be a regular file: O_TRUNC would act before the check.
    if (mode == OpenMode::truncate) flags |= O_CREAT;
    const int fd = openRegular(path, flags);
    if (fd < 0) return nullptr;
    if (mode == OpenMode::truncate && ::ftruncate(fd, 0) != 0) {
      ::close(fd);
      return nullptr;
    }
    return std::make_unique<NativeFile>(fd);
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

  FsStatus replace(const std::filesystem::path& from, const std::filesystem::path& to) override {
    if (::rename(from.c_str(), to.c_str()) != 0) return statusOfErrno();
    syncDirectoryAt(to.parent_path());
    return FsStatus::ok;
  }

  FsStatus lookUp(const std::filesystem::path& path) override {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 ? FsStatus::ok : statusOfErrno();
  }

  bool syncDirectory(const std::filesystem::path& dir) override { return syncDirectoryAt(dir); }
};

#endif

}  // namespace

FileSystem& nativeFileSystem() {
  static NativeFileSystem instance;
  return instance;
}

}  // namespace tarvola
