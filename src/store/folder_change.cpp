#include "store/folder_change.h"

#include "store/atomic_rewrite.h"
#include "store/data_files.h"
#include "store/file_system.h"
#include "store/record_file.h"
#include "store/temporary_file.h"

namespace tarvola {

FolderChange::FolderChange(DataFolder& folder, std::chrono::milliseconds patience)
    : folder_(folder), fs_(folder.fs_) {
  FsStatus locked = FsStatus::failed;
  lock_.reset(fs_.lock(pathOf(kChangeLockName), patience, locked).release());
  if (locked == FsStatus::busy) {
    state_ = State::busy;
    return;
  }
  if (!finishPendingChange(fs_, folder_.path())) {
    state_ = State::pending;
    return;
  }
  removeLeftTemporaries();
}

FolderChange::~FolderChange() {
  if (committed_) return;
  // The latest first, stopping at one that stays: what is left is numbered from 0, to be found next time.
  for (std::size_t n = temporaries_.size(); n-- > 0;) {
    if (!isRemoved(fs_.remove(pathOf(temporaries_[n])))) return;
  }
}

// Written in order from 0 and removed from the last: those left are numbered from 0.
void FolderChange::removeLeftTemporaries() {
  int count = 0;
  while (count < kFreeNameTries && fs_.lookUp(pathOf(changeTemporaryName(count))) == FsStatus::ok) ++count;
  while (count > 0 && isRemoved(fs_.remove(pathOf(changeTemporaryName(count - 1))))) --count;
}

std::optional<std::string> FolderChange::readToRewrite(std::string_view name, std::size_t recordLength) {
  std::optional<RecordFile> file = RecordFile::open(fs_, pathOf(name), recordLength, OpenMode::existing);
  if (!file) return fs_.lookUp(pathOf(name)) == FsStatus::missing ? std::optional<std::string>("") : std::nullopt;
  return file->readWholeFile();
}

bool FolderChange::append(std::string_view name, std::string_view record) {
  std::optional<RecordFile> file = RecordFile::open(fs_, pathOf(name), record.size());
  return file && file->append(record);
}

bool FolderChange::createIfMissing(std::string_view name) {
  return fs_.lookUp(pathOf(name)) != FsStatus::missing || fs_.open(pathOf(name), OpenMode::openOrCreate) != nullptr;
}

bool FolderChange::clearTemporary(std::string_view name) { return clearTemporaryFile(fs_, pathOf(name)); }

bool FolderChange::rewrite(std::string_view name, std::string_view temp, std::string_view content) {
  return rewriteAtomically(fs_, pathOf(name), pathOf(temp), content);
}

bool FolderChange::stage(std::string target, std::string_view content) {
  return stage(std::move(target), content, changeTemporaryName(numbered_++));
}

bool FolderChange::stage(std::string target, std::string_view content, std::string temp) {
  temporaries_.push_back(temp);
  if (!writeComplete(fs_, pathOf(temp), content)) return false;
  steps_.push_back({ChangeStep::Kind::replace, std::move(temp), std::move(target)});
  return true;
}

void FolderChange::move(std::string from, std::string to) {
  steps_.push_back({ChangeStep::Kind::moveNoReplace, std::move(from), std::move(to)});
}

void FolderChange::remove(std::string name) { steps_.push_back({ChangeStep::Kind::remove, std::move(name), ""}); }

ChangeOutcome FolderChange::commit() {
  // Once begun, the temporaries are the intent's to put in place: they stay,
  // even when an exception ends the change half-way.
  committed_ = true;
  const ChangeOutcome outcome = steps_.empty() ? ChangeOutcome::done : carryOutChange(fs_, folder_.path(), steps_);
  committed_ = outcome != ChangeOutcome::notBegun;
  return outcome;
}

}  // namespace tarvola
