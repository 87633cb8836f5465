#include "store/change_intent.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string_view>

#include "store/atomic_rewrite.h"
#include "store/data_files.h"
#include "store/file_system.h"
#include "store/whole_file.h"

namespace tarvola {

namespace {

constexpr std::string_view kHeader = "tarvola-change 1\n";
// 32,767 renames take under a megabyte; anything much larger is damage.
constexpr std::uint64_t kMaxIntentSize = 8u << 20;

// A plain name inside the data directory: no separators, no "..", no drive,
// no blank (it parts the words of a step). Of the names beyond ASCII, only
// those of the file of deleted entries.
bool isSafeName(std::string_view name) {
  if (isDeletedEntriesFileName(name)) return true;
  if (name.empty() || name.size() > 64 || name.front() == '.' || name == kChangeRecordName) return false;
  return std::ranges::all_of(name, [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '_' ||
           c == '-';
  });
}

bool isValid(const ChangeStep& step) {
  if (!isSafeName(step.from)) return false;
  return step.kind == ChangeStep::Kind::remove ? step.to.empty() : isSafeName(step.to);
}

std::uint64_t checksumOf(std::string_view bytes) {
  std::uint64_t hash = 14695981039346656037u;
  for (const char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211u;
  return hash;
}

std::string_view wordOf(ChangeStep::Kind kind) {
  switch (kind) {
    case ChangeStep::Kind::replace: return "replace";
    case ChangeStep::Kind::moveNoReplace: return "move";
    case ChangeStep::Kind::remove: return "remove";
  }
  return "";
}

std::optional<ChangeStep::Kind> kindOf(std::string_view word) {
  for (const ChangeStep::Kind kind : {ChangeStep::Kind::replace, ChangeStep::Kind::moveNoReplace, ChangeStep::Kind::remove}) {
    if (word == wordOf(kind)) return kind;
  }
  return std::nullopt;
}

}  // namespace

// One line a step, then a last line with the count and a checksum of all
// before it: a torn or partial record is told apart from a whole one.
std::string changeRecordText(const std::vector<ChangeStep>& steps) {
  std::string text(kHeader);
  for (const ChangeStep& step : steps) {
    text.append(wordOf(step.kind)).append(" ").append(step.from);
    if (!step.to.empty()) text.append(" ").append(step.to);
    text.append("\n");
  }
  std::ostringstream end;
  end << "end " << steps.size() << " " << std::hex << checksumOf(text) << "\n";
  return text + end.str();
}

namespace {

std::optional<ChangeStep> decodeStep(const std::string& line) {
  std::istringstream in(line);
  std::string word, from, to, extra;
  in >> word >> from >> to >> extra;
  const std::optional<ChangeStep::Kind> kind = kindOf(word);
  if (!kind || !extra.empty()) return std::nullopt;
  ChangeStep step{*kind, from, to};
  if (!isValid(step)) return std::nullopt;
  return step;
}

// Nothing unless the record is whole and every step is a valid one.
std::optional<std::vector<ChangeStep>> decode(std::string_view text) {
  if (!text.starts_with(kHeader) || !text.ends_with("\n")) return std::nullopt;
  const std::size_t endLine = text.rfind("\nend ", text.size() - 1);
  if (endLine == std::string_view::npos) return std::nullopt;
  const std::string_view body = text.substr(0, endLine + 1);
  std::ostringstream expected;
  std::vector<ChangeStep> steps;
  std::istringstream lines(std::string(body.substr(kHeader.size())));
  for (std::string line; std::getline(lines, line);) {
    std::optional<ChangeStep> step = decodeStep(line);
    if (!step) return std::nullopt;
    steps.push_back(std::move(*step));
  }
  expected << "end " << steps.size() << " " << std::hex << checksumOf(body) << "\n";
  if (text.substr(endLine + 1) != expected.str()) return std::nullopt;
  return steps;
}

bool writeIntent(FileSystem& fs, const std::filesystem::path& dataDir, const std::vector<ChangeStep>& steps) {
  return writeComplete(fs, changeIntentFile(dataDir), changeRecordText(steps)) && fs.syncDirectory(dataDir);
}

FsStatus carryOutStep(FileSystem& fs, const std::filesystem::path& dataDir, const ChangeStep& step) {
  const std::filesystem::path from = dataDir / pathFromUtf8(step.from);
  const std::filesystem::path to = dataDir / pathFromUtf8(step.to);
  switch (step.kind) {
    case ChangeStep::Kind::replace: return fs.replace(from, to);
    case ChangeStep::Kind::moveNoReplace: return fs.renameNoReplace(from, to);
    case ChangeStep::Kind::remove: return fs.remove(from);
  }
  return FsStatus::failed;
}

// Carries out a step unless it has happened already. Not while another
// program holds its file: the change stays pending, to be finished later.
bool redo(FileSystem& fs, const std::filesystem::path& dataDir, const ChangeStep& step) {
  const FsStatus status = carryOutStep(fs, dataDir, step);
  return status != FsStatus::failed && status != FsStatus::busy;
}

bool carryOut(FileSystem& fs, const std::filesystem::path& dataDir, const std::vector<ChangeStep>& steps) {
  for (const ChangeStep& step : steps) {
    if (!redo(fs, dataDir, step)) return false;
  }
  // One flush for all the steps, before the intent that would redo them goes.
  return fs.syncDirectory(dataDir);
}

// No flush after: an intent that comes back after a cut is redone, and redoing finds nothing left to do.
bool removeIntent(FileSystem& fs, const std::filesystem::path& dataDir) {
  return isRemoved(fs.remove(changeIntentFile(dataDir)));
}

}  // namespace

ChangeOutcome carryOutChange(FileSystem& fs, const std::filesystem::path& dataDir,
                             const std::vector<ChangeStep>& steps) {
  if (!std::ranges::all_of(steps, isValid)) return ChangeOutcome::notBegun;
  if (!writeIntent(fs, dataDir, steps)) {
    // A torn intent is harmless, but a whole one that stayed would be redone.
    return removeIntent(fs, dataDir) ? ChangeOutcome::notBegun : ChangeOutcome::unfinished;
  }
  return carryOut(fs, dataDir, steps) && removeIntent(fs, dataDir) ? ChangeOutcome::done : ChangeOutcome::unfinished;
}

bool finishPendingChange(FileSystem& fs, const std::filesystem::path& dataDir) {
  const WholeFile intent = readWholeFile(fs, changeIntentFile(dataDir), kMaxIntentSize);
  if (intent.status == WholeFile::Status::missing) return true;
  // One that is there but can't be read stays, to be finished later.
  if (intent.status == WholeFile::Status::failed) return false;
  // A record that isn't whole was cut short before any step began: nothing to redo. Nor is damage.
  const std::optional<std::vector<ChangeStep>> steps =
      intent.status == WholeFile::Status::read ? decode(intent.bytes) : std::nullopt;
  if (steps && !carryOut(fs, dataDir, *steps)) return false;
  return removeIntent(fs, dataDir);
}

}  // namespace tarvola
