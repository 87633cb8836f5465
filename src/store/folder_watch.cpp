#include "store/folder_watch.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <sys/inotify.h>
#include <unistd.h>
#endif

namespace tarvola {

namespace {

// Where the system gives no notices, every ask may have missed a change.
class UnwatchedFolder final : public FolderWatch {
 public:
  bool changed() override { return true; }
};

#ifdef _WIN32

class WindowsFolderWatch final : public FolderWatch {
 public:
  explicit WindowsFolderWatch(HANDLE notice) : notice_(notice) {}
  ~WindowsFolderWatch() override { FindCloseChangeNotification(notice_); }
  WindowsFolderWatch(const WindowsFolderWatch&) = delete;
  WindowsFolderWatch& operator=(const WindowsFolderWatch&) = delete;

  bool changed() override {
    if (lost_) return true;
    const DWORD state = WaitForSingleObject(notice_, 0);
    if (state == WAIT_TIMEOUT) return false;
    // A notice that can't be waited for or asked for again tells nothing more.
    lost_ = state != WAIT_OBJECT_0 || !FindNextChangeNotification(notice_);
    return true;
  }

 private:
  HANDLE notice_;
  bool lost_ = false;
};

#else

// IN_MODIFY too: a writer that appends in place and keeps the file open gives no other event.
// Not IN_CLOSE_WRITE: every change's lock is opened for writing and closed
// unwritten, and a reader that takes it would see its own reading as a change.
constexpr std::uint32_t kFileChanges =
    IN_MODIFY | IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF;
// The folder itself went away or moved: its watch is gone with it.
constexpr std::uint32_t kWatchEnds = IN_DELETE_SELF | IN_MOVE_SELF | IN_IGNORED | IN_Q_OVERFLOW;

class InotifyFolderWatch final : public FolderWatch {
 public:
  explicit InotifyFolderWatch(int fd) : fd_(fd) {}
  ~InotifyFolderWatch() override { close(fd_); }
  InotifyFolderWatch(const InotifyFolderWatch&) = delete;
  InotifyFolderWatch& operator=(const InotifyFolderWatch&) = delete;

  bool changed() override {
    bool any = lost_;
    // Every event waiting is taken, so that one change is told once.
    alignas(inotify_event) char events[4096];
    for (;;) {
      const ssize_t length = read(fd_, events, sizeof events);
      if (length < 0 && errno == EINTR) continue;
      if (length <= 0) break;
      any = true;
      noteWatchEnded(events, static_cast<std::size_t>(length));
    }
    return any;
  }

 private:
  void noteWatchEnded(const char* events, std::size_t length) {
    for (std::size_t at = 0; at + sizeof(inotify_event) <= length;) {
      inotify_event event{};
      std::memcpy(&event, events + at, sizeof event);
      if (event.mask & kWatchEnds) lost_ = true;
      at += sizeof(inotify_event) + event.len;
    }
  }

  int fd_;
  bool lost_ = false;
};

#endif

}  // namespace

std::unique_ptr<FolderWatch> watchFolder(const std::filesystem::path& folder) {
#ifdef _WIN32
  const HANDLE notice = FindFirstChangeNotificationW(
      folder.c_str(), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE);
  if (notice == INVALID_HANDLE_VALUE) return std::make_unique<UnwatchedFolder>();
  return std::make_unique<WindowsFolderWatch>(notice);
#else
  const int fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (fd < 0) return std::make_unique<UnwatchedFolder>();
  if (inotify_add_watch(fd, folder.c_str(), kFileChanges | IN_ONLYDIR) < 0) {
    close(fd);
    return std::make_unique<UnwatchedFolder>();
  }
  return std::make_unique<InotifyFolderWatch>(fd);
#endif
}

}  // namespace tarvola
