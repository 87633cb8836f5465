#include "bookmarks/bookmarks_command.h"

#include <algorithm>
#include <charconv>
#include <new>
#include <optional>

#include "bookmarks/messages.h"
#include "bookmarks/reported_actions.h"
#include "store/data_files.h"
#include "store/data_folder.h"

namespace tarvola {

namespace {

constexpr int kFailed = 1;
constexpr int kBadCommandLine = 2;

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
  // An empty name names no folder.
  if (line.dataDir && line.dataDir->empty()) return std::nullopt;
  return line;
}

// `find` without a word to look for.
bool lacksKeyword(const std::vector<std::string>& words) {
  const auto blank = [](const std::string& word) { return word.find_first_not_of(" \t") == std::string::npos; };
  return !words.empty() && words[0] == "find" && std::all_of(words.begin() + 1, words.end(), blank);
}

// `import` or `export` without a name, or with an empty one: then no file is named.
bool lacksFileName(const std::vector<std::string>& words) {
  const bool moves = !words.empty() && (words[0] == "import" || words[0] == "export");
  return moves && (words.size() == 1 || (words.size() == 2 && words[1].empty()));
}

int reported(const Reported& report, CommandOutput& output) {
  output.report(report.text, report.failed);
  return report.failed ? kFailed : 0;
}

struct Action {
  enum class Kind { import, exportTo, listDeleted, restore, find };
  Kind kind;
  std::string file;  // find: the words looked for
  std::optional<std::size_t> number;  // restore: the deletion's, or all
};

std::optional<Action> actionOf(const std::vector<std::string>& words) {
  using Kind = Action::Kind;
  if (words.size() >= 2 && words[0] == "find") {
    std::string query = words[1];
    for (std::size_t i = 2; i < words.size(); ++i) query += " " + words[i];
    return Action{Kind::find, query, {}};
  }
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
  if (words.size() == 1 && !words[0].empty()) return Action{Kind::import, words[0], {}};
  return std::nullopt;
}

int run(DataFolder& folder, const Action& action, CommandOutput& output) {
  const Progress progress = [&output](std::size_t done, std::size_t all) {
    if (all >= kProgressFrom) output.progress(progressLine(done, all));
  };
  switch (action.kind) {
    case Action::Kind::import: return reported(importFile(folder, action.file, progress), output);
    case Action::Kind::exportTo: return reported(exportFile(folder, action.file), output);
    case Action::Kind::listDeleted: return reported(listDeletions(folder), output);
    case Action::Kind::restore:
      return reported(restoreDeletions(folder, action.number ? std::optional(std::vector{*action.number}) : std::nullopt),
                      output);
    case Action::Kind::find: return reported(findInCollection(folder, action.file), output);
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
  if (line && lacksFileName(line->words)) {
    output.report("命令 " + line->words[0] + " 后面缺少书签文件的名字。\n\n" + helpText(), true);
    return kBadCommandLine;
  }
  if (line && lacksKeyword(line->words)) {
    output.report("命令 find 后面缺少要找的关键词。\n\n" + helpText(), true);
    return kBadCommandLine;
  }
  const std::optional<Action> action = line ? actionOf(line->words) : std::nullopt;
  if (!action) {
    output.report("命令行有误。\n\n" + helpText(), true);
    return kBadCommandLine;
  }
  DataFolder folder(line->dataDir ? pathFromUtf8(*line->dataDir) : defaultDataDir, fs);
  if (!folder.exists()) {
    output.report("数据目录“" + utf8Of(folder.path()) + "”不存在或不是目录。\n", true);
    return kFailed;
  }
  try {
    return run(folder, *action, output);
  } catch (const std::bad_alloc&) {
    // Before anything was written, or once the change was recorded: then the next start finishes it.
    output.report(outOfMemoryReport(folder.changePending()), true);
    return kFailed;
  }
}

}  // namespace

std::optional<std::filesystem::path> windowFolder(const std::vector<std::string>& arguments,
                                                  const std::filesystem::path& defaultDataDir) {
  const std::optional<CommandLine> line = parseCommandLine(arguments);
  if (!line || line->help || !line->words.empty()) return std::nullopt;
  return line->dataDir ? pathFromUtf8(*line->dataDir) : defaultDataDir;
}

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
