#include "bookmarks/bookmarks_command.h"

#include <new>
#include <optional>

#include "bookmarks/bookmark_export.h"
#include "bookmarks/bookmark_import.h"
#include "bookmarks/messages.h"
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

int runCommand(const std::vector<std::string>& arguments, const std::filesystem::path& defaultDataDir, FileSystem& fs,
               CommandOutput& output) {
  const std::optional<CommandLine> line = parseCommandLine(arguments);
  if (line && line->help) {
    output.report(helpText(), false);
    return 0;
  }
  const bool importing = line && ((line->words.size() == 2 && line->words[0] == "import") || line->words.size() == 1);
  const bool exporting = line && line->words.size() == 2 && line->words[0] == "export";
  if (!importing && !exporting) {
    output.report("命令行有误。\n\n" + helpText(), true);
    return kBadCommandLine;
  }
  const std::filesystem::path dataDir = line->dataDir ? pathFromUtf8(*line->dataDir) : defaultDataDir;
  if (!fs.isDirectory(dataDir)) {
    output.report("数据目录“" + utf8Of(dataDir) + "”不存在或不是目录。\n", true);
    return kFailed;
  }
  const std::string& file = line->words.back();
  try {
    return importing ? runImport(fs, dataDir, file, output) : runExport(fs, dataDir, file, output);
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
