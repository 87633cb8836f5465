#include "store/change_intent.h"

#include <memory>
#include <optional>
#include <sstream>
#include <system_error>

#include "store/data_files.h"

namespace tarvola {

namespace {

// One line per step, then a closing line: an intent without it was torn while
// it was written, before any step ran, and is dropped.
constexpr std::string_view kClosingLine = "end";

std::filesystem::path intentFile(const std::filesystem::path& dataDir) { return dataDir / "wwww.intent"; }

char kindLetter(ChangeStep::Kind kind) {
  switch (kind) {
    case ChangeStep::Kind::replace: return 'r';
    case ChangeStep::Kind::moveNoReplace: return 'm';
    case ChangeStep::Kind::remove: return 'd';
  }
  return '?';
}

std::string intentText(const std::vector<ChangeStep>& steps) {
  std::string text;
  for (const ChangeStep& step : steps) {
    text += kindLetter(step.kind);
    text += '\t' + step.from + '\t' + step.to + '\n';
  }
  text += kClosingLine;
  text += '\n';
  return text;
}

std::optional<std::vector<ChangeStep>> stepsOf(std::string_view text) {
  std::vector<ChangeStep> steps;
  std::istringstream lines{std::string(text)};
  std::string line;
  while (std::getline(lines, line)) {
    if (line == kClosingLine) return steps;
    const std::size_t first = line.find('\t');
    const std::size_t second = first == std::string::npos ? first : line.find('\t', first + 1);
    if (second == std::string::npos || first != 1) return std::nullopt;
    ChangeStep step{ChangeStep::Kind::remove, line.substr(2, second - 2), line.substr(second + 1)};
    switch (line[0]) {
      case 'r': step.kind = ChangeStep::Kind::replace; break;
      case 'm': step.kind = ChangeStep::Kind::moveNoReplace; break;
      case 'd': break;
      default: return std::nullopt;
    }
    steps.push_back(std::move(step));
  }
  return std::nullopt;
}

// Each step can run again after a stop: a step whose source is gone, or whose
// move target already exists, was done before.
bool redo(FileSystem& fs, const std::filesystem::path& dataDir, const ChangeStep& step) {
  const std::filesystem::path from = dataDir / pathFromUtf8(step.from);
  switch (step.kind) {
    case ChangeStep::Kind::replace: {
      const FsStatus status = fs.replace(from, dataDir / pathFromUtf8(step.to));
      return status != FsStatus::failed;
    }
    case ChangeStep::Kind::moveNoReplace: {
      const std::filesystem::path to = dataDir / pathFromUtf8(step.to);
      if (fs.open(to, OpenMode::existing)) return true;
      return fs.renameNoReplace(from, to) != FsStatus::failed;
    }
    case ChangeStep::Kind::remove: return fs.remove(from) != FsStatus::failed;
  }
  return false;
}

bool redoAll(FileSystem& fs, const std::filesystem::path& dataDir, const std::vector<ChangeStep>& steps) {
  for (const ChangeStep& step : steps) {
    if (!redo(fs, dataDir, step)) return false;
  }
  return fs.remove(intentFile(dataDir)) != FsStatus::failed;
}

std::optional<std::string> readWhole(File& file) {
  const std::optional<std::uint64_t> size = file.size();
  if (!size) return std::nullopt;
  std::string text(static_cast<std::size_t>(*size), '\0');
  const std::optional<std::size_t> got = file.readAt(0, text);
  if (!got) return std::nullopt;
  text.resize(*got);
  return text;
}

}  // namespace

bool carryOutChange(FileSystem& fs, const std::filesystem::path& dataDir, const std::vector<ChangeStep>& steps) {
  {
    std::unique_ptr<File> intent = fs.open(intentFile(dataDir), OpenMode::truncate);
    if (!intent) return false;
    if (!intent->writeAt(0, intentText(steps)) || !intent->sync()) {
      intent.reset();
      fs.remove(intentFile(dataDir));
      return false;
    }
  }
  return redoAll(fs, dataDir, steps);
}

bool finishPendingChange(FileSystem& fs, const std::filesystem::path& dataDir) {
  std::optional<std::string> text;
  {
    std::unique_ptr<File> intent = fs.open(intentFile(dataDir), OpenMode::existing);
    if (!intent) {
      std::error_code error;
      return !std::filesystem::exists(intentFile(dataDir), error) && !error;
    }
    text = readWhole(*intent);
  }
  if (!text) return false;
  const std::optional<std::vector<ChangeStep>> steps = stepsOf(*text);
  if (!steps) return fs.remove(intentFile(dataDir)) != FsStatus::failed;
  return redoAll(fs, dataDir, *steps);
}

}  // namespace tarvola
