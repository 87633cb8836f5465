#include "host/qt/running_copy.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>


#ifdef _WIN32
#include <windows.h>

#include <array>
#include <charconv>
#include <chrono>
#include <thread>

#include <QGuiApplication>
#else
#include <fcntl.h>
#include <sys/stat.h>

#include <QFileInfo>
#include <QFileSystemWatcher>
#endif

namespace tarvola {

namespace {

#ifdef _WIN32

// Tells a later start which of this copy's windows is the main window.
constexpr wchar_t kMainWindowMark[] = L"Tarvola.Form1";
// A first copy that is still starting has no window yet.
constexpr auto kWindowPatience = std::chrono::seconds(2);
constexpr auto kWindowRetryPause = std::chrono::milliseconds(50);

// The process id that the holder wrote into the lock file; 0 while there is none.
DWORD processIdIn(const DataFolder& folder) {
  const std::string text = folder.windowOwner();
  DWORD id = 0;
  std::from_chars(text.data(), text.data() + text.size(), id);
  return id;
}

struct WindowSearch {
  DWORD processId = 0;
  HWND found = nullptr;
};

BOOL CALLBACK matchMarkedWindow(HWND window, LPARAM search) {
  auto& wanted = *reinterpret_cast<WindowSearch*>(search);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != wanted.processId || GetPropW(window, kMainWindowMark) == nullptr) return TRUE;
  wanted.found = window;
  return FALSE;
}

HWND markedWindowOf(DWORD processId) {
  WindowSearch search{processId, nullptr};
  EnumWindows(&matchMarkedWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Only the windows platform has a window of the system behind winId().
HWND systemWindowOf(QWidget* window) {
  if (window == nullptr || QGuiApplication::platformName() != QLatin1String("windows")) return nullptr;
  return reinterpret_cast<HWND>(window->winId());
}

#else

// Which file a name stands for: device and inode.
std::optional<std::pair<std::uint64_t, std::uint64_t>> identityOf(const std::filesystem::path& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return std::nullopt;
  return std::pair<std::uint64_t, std::uint64_t>(info.st_dev, info.st_ino);
}

#endif

std::string ownProcessId() { return std::to_string(QCoreApplication::applicationPid()); }

}  // namespace

RunningCopy::RunningCopy(const DataFolder& folder) : folder_(folder), lockFile_(folder.windowLockPath()) {
  FsStatus status = FsStatus::ok;
  lock_ = folder_.lockForWindow(ownProcessId(), status);
  anotherCopyRuns_ = status == FsStatus::busy;
  if (!lock_) return;
#ifndef _WIN32
  listenForLaterStarts();
#endif
}

RunningCopy::~RunningCopy() = default;

void RunningCopy::serve(QWidget* mainWindow) {
  if (!lock_) return;
  mainWindow_ = mainWindow;
  mainWindow->installEventFilter(this);
#ifdef _WIN32
  markMainWindow();
#endif
}

bool RunningCopy::eventFilter(QObject* watched, QEvent* event) {
  if (watched == mainWindow_ && event->type() == QEvent::Close) letGo();
#ifdef _WIN32
  if (watched == mainWindow_ && event->type() == QEvent::WinIdChange && lock_) markMainWindow();
#endif
  return QObject::eventFilter(watched, event);
}

// Another start may take the folder now, and get a main window of its own.
void RunningCopy::letGo() {
#ifdef _WIN32
  if (HWND window = systemWindowOf(mainWindow_)) RemovePropW(window, kMainWindowMark);
#else
  stopListening();
#endif
  lock_.reset();
}

#ifdef _WIN32

void RunningCopy::markMainWindow() const {
  if (HWND window = systemWindowOf(mainWindow_)) SetPropW(window, kMainWindowMark, window);
}

// Windows lets the process that the user has just started set the foreground
// window, not the copy that runs in the background: this start does it.
void RunningCopy::bringOtherForward() const {
  const auto giveUp = std::chrono::steady_clock::now() + kWindowPatience;
  do {
    if (HWND window = markedWindowOf(processIdIn(folder_))) {
      if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
      SetForegroundWindow(window);
      return;
    }
    std::this_thread::sleep_for(kWindowRetryPause);
  } while (std::chrono::steady_clock::now() < giveUp);
}

#else

// Touching the lock file asks the copy that holds it for its window: no
// signal goes to a process id that may no longer be ours.
void RunningCopy::bringOtherForward() const { ::utimensat(AT_FDCWD, lockFile_.c_str(), nullptr, 0); }

// Watched from the start, so that a start while this copy loads is not missed.
void RunningCopy::listenForLaterStarts() {
  watchedFile_ = identityOf(lockFile_);
  auto* watcher = new QFileSystemWatcher({QFileInfo(lockFile_).filePath()}, this);
  connect(watcher, &QFileSystemWatcher::fileChanged, this, &RunningCopy::lockFileChanged);
  listener_ = watcher;
}

// Also called from the watcher's own signal: it goes once that is done.
void RunningCopy::stopListening() {
  if (listener_ == nullptr) return;
  listener_->disconnect(this);
  listener_->deleteLater();
  listener_ = nullptr;
}

// A later start touches the lock file. The watcher follows a file, not its
// name: a removed or replaced lock file is watched anew, made again if it is
// gone. A replaced one keeps its content, so that two machines of one synced
// folder don't send each other their process ids without end.
void RunningCopy::lockFileChanged() {
  const auto current = identityOf(lockFile_);
  if (current && current == watchedFile_) {
    bringForward();
    return;
  }
  stopListening();
  if (current || folder_.writeWindowOwner(ownProcessId())) {
    listenForLaterStarts();
  } else {
    letGo();
  }
}

void RunningCopy::bringForward() {
  if (!mainWindow_) return;
  mainWindow_->setWindowState((mainWindow_->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
  mainWindow_->show();
  mainWindow_->raise();
  mainWindow_->activateWindow();
}

#endif

}  // namespace tarvola
