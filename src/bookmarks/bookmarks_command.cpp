#include "bookmarks/bookmarks_command.h"

#include <charconv>
#include <new>
#include <optional>

#include "bookmarks/bookmark_export.h"
#include "bookmarks/bookmark_import.h"
#include "bookmarks/messages.h"
#include "bookmarks/restore_deleted.h"
#include "store/change_intent.h"
#include "store/data_files.h"
#include "store/whole_file.h"

namespace tarvola {

namespace {

constexpr int kFailed = 1;
constexpr int kBadCommandLine = 2;
constexpr std::size_t kProgressFrom = 2000;

struct CommandLine {
  bool help = false;
  std::optional<std::string> dataDir;
  std::vector<std::string> words;
};

std::optional<CommandLine> parseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine line;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& word = arguments[i];
    if (word == "-h" || word == "--help") {
      line.help = true;
    } else if (word == "-d" || word == "--data-dir") {
      if (++i == arguments.size()) return std::nullopt;
      line.dataDir = arguments[i];
    } else if (word.starts_with("--data-dir=")) {
      line.dataDir = word.substr(std::string_view("--data-dir=").size());
    } else if (word.starts_with("-") && word.size() > 1) {
      return std::nullopt;
    } else {
      line.words.push_back(word);
    }
  }
  return line;
}

int runImport(FileSystem& fs, const std::filesystem::path& dataDir, const std::string& file, CommandOutput& output) {
  // Only read: a file of a read-only folder, or one another program holds open, imports too.
  const WholeFile bookmarks = readWholeFile(fs, pathFromUtf8(file), kLargestBookmarkFile);
  if (bookmarks.status != WholeFile::Status::read) {
    output.report(unreadableFileReport(file, bookmarks.status == WholeFile::Status::tooLarge), true);
    return kFailed;
  }
  const ImportOutcome outcome =
      importBookmarks(fs, dataDir, bookmarks.bytes, [&output](std::size_t done, std::size_t all) {
        if (all >= kProgressFrom) output.progress(progressLine(done, all));
      });
  const bool failed = outcome.status != ImportOutcome::Status::done;
  output.report(importReport(outcome, file), failed);
  return failed ? kFailed : 0;
}

int runExport(FileSystem& fs, const std::filesystem::path& dataDir, const std::string& file, CommandOutput& output) {
  const ExportOutcome outcome = exportBookmarks(fs, dataDir, pathFromUtf8(file));
  const bool failed = outcome.status != ExportOutcome::Status::done;
  output.report(exportReport(outcome, file), failed);
  return failed ? kFailed : 0;
}

int runListing(FileSystem& fs, const std::filesystem::path& dataDir, CommandOutput& output) {
  const DeletedOutcome outcome = listDeleted(fs, dataDir);
  const bool failed =
      outcome.status != DeletedOutcome::Status::done && outcome.status != DeletedOutcome::Status::nothingKept;
  output.report(deletedListing(outcome), failed);
  return failed ? kFailed : 0;
}

int runRestore(FileSystem& fs, const std::filesystem::path& dataDir, std::optional<std::size_t> number,
               CommandOutput& output) {
  const DeletedOutcome outcome = restoreDeleted(fs, dataDir, number);
  const bool failed = outcome.status != DeletedOutcome::Status::done;
  output.report(restoreReport(outcome), failed);
  return failed ? kFailed : 0;
}

struct Action {
  enum class Kind { import, exportTo, listDeleted, restore };
  Kind kind;
  std::string file;
  std::optional<std::size_t> number;  // restore: the deletion's, or all
};

std::optional<Action> actionOf(const std::vector<std::string>& words) {
  using Kind = Action::Kind;
  if (words.size() == 1 && words[0] == "deleted") return Action{Kind::listDeleted, {}, {}};
  if (words.size() == 1 && words[0] == "restore") return Action{Kind::restore, {}, {}};
  if (words.size() == 2 && words[0] == "restore") {
    std::size_t number = 0;
    const auto [end, error] = std::from_chars(words[1].data(), words[1].data() + words[1].size(), number);
    if (error != std::errc() || end != words[1].data() + words[1].size()) return std::nullopt;
    return Action{Kind::restore, {}, number};
  }
  if (words.size() == 2 && words[0] == "import") return Action{Kind::import, words[1], {}};
  if (words.size() == 2 && words[0] == "export") return Action{Kind::exportTo, words[1], {}};
  if (words.size() == 1) return Action{Kind::import, words[0], {}};
  return std::nullopt;
}

// The data folder's own file of deleted entries, dropped onto the program: all of it comes back.
bool isKeptDeletionsOf(const std::filesystem::path& dataDir, const std::string& file) {
  const std::filesystem::path kept = std::filesystem::absolute(dataDir) / pathFromUtf8(kDeletedEntriesFileName);
  return std::filesystem::absolute(pathFromUtf8(file)).lexically_normal() == kept.lexically_normal();
}

int run(FileSystem& fs, const std::filesystem::path& dataDir, const Action& action, CommandOutput& output) {
  switch (action.kind) {
    case Action::Kind::import:
      if (isKeptDeletionsOf(dataDir, action.file)) return runRestore(fs, dataDir, std::nullopt, output);
      return runImport(fs, dataDir, action.file, output);
    case Action::Kind::exportTo: return runExport(fs, dataDir, action.file, output);
    case Action::Kind::listDeleted: return runListing(fs, dataDir, output);
    case Action::Kind::restore: return runRestore(fs, dataDir, action.number, output);
  }
  return kBadCommandLine;
}

int runCommand(const std::vector<std::string>& arguments, const std::filesystem::path& defaultDataDir, FileSystem& fs,
               CommandOutput& output) {
  const std::optional<CommandLine> line = parseCommandLine(arguments);
  if (line && line->help) {
    output.report(helpText(), false);
    return 0;
  }
  const std::optional<Action> action = line ? actionOf(line->words) : std::nullopt;
  if (!action) {
    output.report("命令行有误。\n\n" + helpText(), true);
    return kBadCommandLine;
  }
  const std::filesystem::path dataDir = line->dataDir ? pathFromUtf8(*line->dataDir) : defaultDataDir;
  if (!fs.isDirectory(dataDir)) {
    output.report("数据目录“" + utf8Of(dataDir) + "”不存在或不是目录。\n", true);
    return kFailed;
  }
  try {
    return run(fs, dataDir, *action, output);
  } catch (const std::bad_alloc&) {
    // Before anything was written, or once the change was recorded: then the next start finishes it.
    output.report(outOfMemoryReport(changePending(fs, dataDir)), true);
    return kFailed;
  }
}

}  // namespace

int runBookmarksCommand(const std::vector<std::string>& arguments, const std::filesystem::path& defaultDataDir,
                        FileSystem& fs, CommandOutput& output) {
  try {
    return runCommand(arguments, defaultDataDir, fs, output);
  } catch (const std::bad_alloc&) {
    output.report(outOfMemoryReport(false), true);
    return kFailed;
  }
}

}  // namespace tarvola
