#include "bench/find_bench.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "bench/find_workload.h"
#include "bench/floor_files.h"
#include "bench/scratch_dir.h"
#include "bookmarks/bookmarks_command.h"
#include "bookmarks/find/website_index.h"
#include "bookmarks/indexed_collection.h"
#include "bookmarks/whole_collection.h"
#include "store/data_folder.h"
#include "store/file_system.h"

namespace tarvola::bench {

namespace {

const std::string kCollection = std::to_string(kFindCategories) + " categories of " + std::to_string(kFindSitesEach) +
                                " websites";

// Written once for every benchmark here: they only read it.
const std::filesystem::path& findCollection() {
  static const ScratchDir dir("find");
  static const bool written = (writeFindCollection(dir.path()), true);
  (void)written;
  return dir.path();
}

// Built once, as the window builds it on opening, for the keystroke rows.
const WebsiteIndex& builtIndex() {
  static const WebsiteIndex index = [] {
    DataFolder folder(findCollection(), nativeFileSystem());
    return WebsiteIndex(readWholeCollection(folder).categories);
  }();
  return index;
}

// The command's answer thrown away, its lines counted for the check.
class CountingOutput : public CommandOutput {
 public:
  void report(const std::string& text, bool failed) override {
    lines_ = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    failed_ = failed;
  }
  void progress(const std::string&) override {}
  std::size_t lines() const { return lines_; }
  bool failed() const { return failed_; }

 private:
  std::size_t lines_ = 0;
  bool failed_ = false;
};

std::vector<int> sorted(const std::vector<std::size_t>& positions) {
  std::vector<int> numbers(positions.begin(), positions.end());
  std::sort(numbers.begin(), numbers.end());
  return numbers;
}

bool includes(const std::vector<int>& found, const std::vector<int>& wanted) {
  return std::includes(found.begin(), found.end(), wanted.begin(), wanted.end());
}

// ---- tarvola-bookmarks find: read, normalise, match, print ----

// `holding`: the same query in plain Chinese, which finds the same websites.
void programFindCommand(benchmark::State& state, const std::string& query, const std::string& holding) {
  const std::filesystem::path& dir = findCollection();
  const std::vector<std::string> arguments = {"find", query};
  CountingOutput output;
  for (auto _ : state) benchmark::DoNotOptimize(runBookmarksCommand(arguments, dir, nativeFileSystem(), output));
  const std::size_t expected = websitesHolding(holding).size();
  if (output.failed() || expected == 0 || output.lines() != expected) state.SkipWithError("find found other websites");
}

void floorReadEveryFile(benchmark::State& state) {
  const std::filesystem::path& dir = findCollection();
  for (auto _ : state) benchmark::DoNotOptimize(readEveryDataFile(dir));
}

// ---- The window opening its search: the whole collection read and indexed ----

// The window reads the collection into its index as it goes: letting the
// index go again is no part of opening, so it is left out of the time.
void programReadForWindow(benchmark::State& state) {
  DataFolder folder(findCollection(), nativeFileSystem());
  std::size_t websites = 0;
  for (auto _ : state) {
    IndexedCollection indexed = readIndexedCollection(folder, kToolPatience);
    websites = indexed.index ? indexed.index->websites().size() : 0;
    benchmark::DoNotOptimize(websites);
    state.PauseTiming();
    indexed.index.reset();
    state.ResumeTiming();
  }
  if (websites != std::size_t{kFindCategories} * kFindSitesEach) state.SkipWithError("not every website was read");
}

// ---- A keystroke: the built index searched for what has been typed so far ----

struct Keystroke {
  std::string typed;
  // Plain words that find what `typed` must find: all of it (`exactly`), or among more.
  std::string holding;
  bool exactly;
};

void programKeystroke(benchmark::State& state, const Keystroke& keystroke) {
  const WebsiteIndex& index = builtIndex();
  std::vector<std::size_t> found;
  for (auto _ : state) {
    found = index.find(keystroke.typed);
    benchmark::DoNotOptimize(found.data());
  }
  const std::vector<int> wanted = websitesHolding(keystroke.holding);
  const std::vector<int> numbers = sorted(found);
  if (wanted.empty() || (keystroke.exactly ? numbers != wanted : !includes(numbers, wanted)))
    state.SkipWithError("the search found other websites");
}

// ---- Registration ----

using Run = std::function<void(benchmark::State&)>;

void registerRun(const std::string& name, int iterations, const Run& run) {
  benchmark::RegisterBenchmark(name.c_str(), [run](benchmark::State& state) { run(state); })
      ->Iterations(iterations)
      ->UseRealTime()
      ->Unit(benchmark::kMillisecond);
}

}  // namespace

void registerFindBenchmarks() {
  // A handful found: the 新浪 sites whose number holds 123, typed in Chinese and in pinyin.
  for (const std::string query : {"新浪 123", "xinlang 123"}) {
    std::string workload = "find " + query;
    workload.append(" (tarvola-bookmarks find), ").append(kCollection);
    registerRun(workload + "/program", 3, [query](auto& state) { programFindCommand(state, query, "新浪 123"); });
    registerRun(workload + "/floor", 3, floorReadEveryFile);
  }
  const std::string reading = "reading the collection for the window (readIndexedCollection), " + kCollection;
  registerRun(reading + "/program", 3, programReadForWindow);
  registerRun(reading + "/floor", 3, floorReadEveryFile);
  // Typing 新浪 by its pinyin, then a character, a part of an address, two words.
  const std::vector<Keystroke> keystrokes = {
      {"x", "新浪", false},         {"xi", "新浪", false},      {"xin", "新浪", false},
      {"xinl", "新浪", false},      {"xinlang", "新浪", false}, {"新", "新", true},
      {"site0123", "site0123", true}, {"xinlang 123", "新浪 123", true},
  };
  for (const Keystroke& keystroke : keystrokes) {
    registerRun("keystroke to results (WebsiteIndex::find), " + kCollection + ", typed " + keystroke.typed + "/program",
                10, [keystroke](auto& state) { programKeystroke(state, keystroke); });
  }
}

}  // namespace tarvola::bench
