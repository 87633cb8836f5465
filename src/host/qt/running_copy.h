#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <utility>

#include <QObject>
#include <QPointer>

#include "store/data_folder.h"

class QWidget;

namespace tarvola {

// One copy of the program per data folder. The first start holds the folder's
// window lock while its main window is open; a later start finds that copy,
// brings its main window to the front and ends.
class RunningCopy final : public QObject {
  Q_OBJECT

 public:
  // Takes the window lock of `dataDir` without waiting. Where no lock can be
  // had, or no later start could find this copy (a read-only medium), every start runs.
  explicit RunningCopy(const DataFolder& folder);
  ~RunningCopy() override;
  RunningCopy(const RunningCopy&) = delete;
  RunningCopy& operator=(const RunningCopy&) = delete;

  // Another copy holds the folder: this start brings it forward and ends.
  bool anotherCopyRuns() const { return anotherCopyRuns_; }
  // Shows the other copy's main window in front, restored if minimised.
  void bringOtherForward() const;
  // The main window of this copy: found by later starts, and the folder let go when it closes.
  void serve(QWidget* mainWindow);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void letGo();
#ifdef _WIN32
  void markMainWindow() const;
#else
  void listenForLaterStarts();
  void stopListening();
  void lockFileChanged();
  void bringForward();
#endif

  const DataFolder& folder_;
  std::filesystem::path lockFile_;
  HeldLock lock_;
  bool anotherCopyRuns_ = false;
  QPointer<QWidget> mainWindow_;
#ifndef _WIN32
  QObject* listener_ = nullptr;
  // Device and inode of the lock file watched: a removed or replaced one is no longer it.
  std::optional<std::pair<std::uint64_t, std::uint64_t>> watchedFile_;
#endif
};

}  // namespace tarvola
