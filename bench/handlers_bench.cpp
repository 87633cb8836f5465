// Every handler on its largest workload beside its floor: the same file bytes
// read (or written, put on the disk and renamed) and the same rows shown by
// the least list model over those bytes, with what a correct program must do
// besides: a change takes the folder's change lock and looks for a pending
// change and left temporaries; a selection looks for a pending change, and a
// category selection reads the category's record to see that the list still
// shows it; a deletion keeps what it deletes in the file of deleted entries,
// put in place with the deletion by one recorded change. Nothing else. The
// handlers run on the real main window, shown on Qt's offscreen platform, and
// each run ends once the window has laid out and painted what changed.
//
// Each workload is registered twice, "<workload>/program" and
// "<workload>/floor"; scripts/bench.sh runs them interleaved and compares the
// medians.
#include <benchmark/benchmark.h>

#include <fcntl.h>

#include <algorithm>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <QApplication>
#include <QDateTime>

#include "bench/find_bench.h"
#include "bench/floor_files.h"
#include "bench/floor_window.h"
#include "bench/program_window.h"
#include "bench/scratch_dir.h"
#include "bench/workload.h"
#include "ops/browse/category_selection.h"
#include "ops/browse/form_load.h"
#include "ops/browse/website_selection.h"
#include "ops/categories/add_category.h"
#include "ops/categories/delete_category.h"
#include "ops/categories/rename_category.h"
#include "ops/sites/add_website.h"
#include "ops/sites/delete_website.h"
#include "ops/sites/modify_website.h"
#include "store/bookmark_html.h"
#include "store/data_files.h"
#include "store/deleted_entries.h"
#include "store/record_file.h"
#include "store/records.h"

namespace tarvola::bench {

namespace {

constexpr int kWebsites = 10000;
constexpr int kSitesPerCategory = 4;

const std::string kNewCategory = "新的网站类别";
const std::string kRenamedCategory = "改过名的网站类别";
const std::string kNewSite = "新的精品网站";
const std::string kNewUrl = "http://www.new-site.example.com/";


// The selection handlers create a file that is missing: their floor opens it so too.
constexpr int kOpenOrCreate = O_RDWR | O_CREAT;

// Lets the window do what the change asked of it: lay the list out and paint it.
void settle() { QCoreApplication::processEvents(); }

QStringList toQt(const std::vector<std::string>& names) {
  QStringList texts;
  for (const std::string& name : names) texts.append(QString::fromStdString(name));
  return texts;
}

template <typename T>
std::vector<T> without(std::vector<T> values, std::size_t index) {
  values.erase(values.begin() + static_cast<std::ptrdiff_t>(index));
  return values;
}

template <typename T>
std::vector<T> with(std::vector<T> values, T value) {
  values.push_back(std::move(value));
  return values;
}

void truncateDurably(const std::filesystem::path& path, off_t size) {
  const FloorFile file(path, O_RDWR);
  file.truncate(size);
  file.sync();
}

void expectList(benchmark::State& state, const QStringList& shown, const std::vector<std::string>& expected) {
  if (shown != toQt(expected)) state.SkipWithError("the list does not show what the floor shows");
}

// Each iteration of a deletion starts from restored files: one that deleted
// nothing would be timed all the same, so each is checked before the next.
// False when it fails: the loop must end then.
bool expectDeleted(benchmark::State& state, bool deleted) {
  if (!deleted) state.SkipWithError("an iteration deleted nothing");
  return deleted;
}

// ---- Start-up's list: Form_Load ----

void programFormLoad(benchmark::State& state, int categories) {
  ScratchDir dir("form-load");
  writeCollection(dir.path(), categories, 0, 0);
  ProgramWindow window(dir.path());
  for (auto _ : state) {
    Form_Load(window.host(), window.folder());
    settle();
  }
  expectList(state, window.contents("List1"), categoryNames(categories));
}

void floorFormLoad(benchmark::State& state, int categories) {
  ScratchDir dir("form-load-floor");
  writeCollection(dir.path(), categories, 0, 0);
  FloorWindow floor;
  for (auto _ : state) {
    // Start-up finishes a change left pending, under the lock, as any change.
    { const FloorChange change(dir.path()); }
    floor.fill(ListBox::List1, FloorFile(categoryFile(dir.path()), kOpenOrCreate).readAll());
    settle();
  }
}

// ---- Category selection: List1_Click ----

void programCategorySelection(benchmark::State& state) {
  ScratchDir dir("select");
  writeCollection(dir.path(), 1, 1, kWebsites);
  ProgramWindow window(dir.path());
  window.select("List1", 0);
  for (auto _ : state) {
    List1_Click(window.host(), window.folder());
    settle();
  }
  expectList(state, window.contents("List2"), siteNames(kWebsites));
}

void floorCategorySelection(benchmark::State& state) {
  ScratchDir dir("select-floor");
  writeCollection(dir.path(), 1, 1, kWebsites);
  FloorWindow floor;
  for (auto _ : state) {
    expectNoChangePending(dir.path());
    // Another program may have changed the folder: the category must still be the one the list shows.
    std::string category(CategoryRecord::kLength, '\0');
    FloorFile(categoryFile(dir.path()), O_RDONLY).readAt(0, category);
    benchmark::DoNotOptimize(category.data());
    floor.fill(ListBox::List2, FloorFile(siteFile(dir.path(), 0), kOpenOrCreate).readAll());
    settle();
  }
}

// ---- Website selection: List2_Click, the last of 10,000 websites ----

void programWebsiteSelection(benchmark::State& state) {
  ScratchDir dir("select-website");
  writeCollection(dir.path(), 1, 1, kWebsites);
  ProgramWindow window(dir.path());
  window.select("List1", 0);
  List1_Click(window.host(), window.folder());
  window.select("List2", kWebsites - 1);
  for (auto _ : state) {
    List2_Click(window.host(), window.folder());
    settle();
  }
  if (window.host().toolTip(ListBox::List2) != siteUrl(kWebsites - 1)) state.SkipWithError("the address is not shown");
}

void floorWebsiteSelection(benchmark::State& state) {
  ScratchDir dir("select-website-floor");
  writeCollection(dir.path(), 1, 1, kWebsites);
  FloorWindow floor;
  const QString address = QString::fromStdString(siteUrl(kWebsites - 1));
  for (auto _ : state) {
    expectNoChangePending(dir.path());
    const FloorFile file(siteFile(dir.path(), 0), kOpenOrCreate);
    std::string record(SiteRecord::kLength, '\0');
    file.readAt(off_t{kWebsites - 1} * SiteRecord::kLength, record);
    benchmark::DoNotOptimize(record.data());
    floor.showAddress(address);
    settle();
  }
}

// ---- Add category: wzlb_Click ----

void programAddCategory(benchmark::State& state, int categories) {
  ScratchDir dir("add-category");
  writeCollection(dir.path(), categories, 0, 0);
  ProgramWindow window(dir.path());
  for (auto _ : state) {
    state.PauseTiming();
    truncateDurably(categoryFile(dir.path()), static_cast<off_t>(categories) * static_cast<off_t>(CategoryRecord::kLength));
    window.host().answerInput(kNewCategory);
    state.ResumeTiming();
    wzlb_Click(window.host(), window.folder());
    settle();
  }
  expectList(state, window.contents("List1"), with(categoryNames(categories), kNewCategory));
}

void floorAddCategory(benchmark::State& state, int categories) {
  ScratchDir dir("add-category-floor");
  writeCollection(dir.path(), categories, 0, 0);
  FloorWindow floor;
  const CategoryRecord record = CategoryRecord::withName(kNewCategory);
  for (auto _ : state) {
    state.PauseTiming();
    truncateDurably(categoryFile(dir.path()), static_cast<off_t>(categories) * static_cast<off_t>(CategoryRecord::kLength));
    state.ResumeTiming();
    const FloorChange change(dir.path());
    const FloorFile file(categoryFile(dir.path()), O_RDWR);
    file.writeAt(file.size(), record.bytes());
    file.sync();
    floor.fill(ListBox::List1, file.readAll());
    settle();
  }
}

// ---- Rename category: xgwzlb_Click ----

void programRenameCategory(benchmark::State& state, int categories) {
  ScratchDir dir("rename-category");
  writeCollection(dir.path(), categories, 0, 0);
  ProgramWindow window(dir.path());
  for (auto _ : state) {
    state.PauseTiming();
    window.select("List1", 0);
    window.host().answerInput(kRenamedCategory);
    state.ResumeTiming();
    xgwzlb_Click(window.host(), window.folder());
    settle();
  }
  std::vector<std::string> expected = categoryNames(categories);
  expected[0] = kRenamedCategory;
  expectList(state, window.contents("List1"), expected);
}

void floorRenameCategory(benchmark::State& state, int categories) {
  ScratchDir dir("rename-category-floor");
  writeCollection(dir.path(), categories, 0, 0);
  FloorWindow floor;
  const CategoryRecord record = CategoryRecord::withName(kRenamedCategory);
  for (auto _ : state) {
    const FloorChange change(dir.path());
    // A record is changed through the temporary file: a cut never tears it.
    std::string changed = readWhole(categoryFile(dir.path()));
    changed.replace(0, CategoryRecord::kLength, record.bytes());
    writeDurably(tempCategoryFile(dir.path()), changed);
    renameDurably(tempCategoryFile(dir.path()), categoryFile(dir.path()));
    floor.fill(ListBox::List1, std::move(changed));
    settle();
  }
}

// ---- The file of deleted entries, to which every deletion adds ----

// Deletions kept before the one measured: none (the first deletion), or what
// a person's months of use leave.
constexpr int kEarlierDeletions[] = {0, 100};
constexpr int kEarlierSites = 3;

std::string keptLabel(int earlier) {
  return earlier == 0 ? "no earlier deletions kept" : std::to_string(earlier) + " earlier deletions kept";
}

std::filesystem::path deletedEntries(const std::filesystem::path& dir) {
  return dir / pathFromUtf8(kDeletedEntriesFileName);
}

// The file as the earlier deletions left it ("": none), put back before each iteration.
void restoreKept(const std::filesystem::path& dir, const std::string& text) {
  if (text.empty()) {
    std::filesystem::remove(deletedEntries(dir));
  } else {
    writeDurably(deletedEntries(dir), text);
  }
}

// The newest deletion first, in front of the earlier ones (as many as the
// bounds keep), as deletedEntriesText makes the file of them.
void expectKept(benchmark::State& state, const std::filesystem::path& dir, const Deletion& newest,
                const std::vector<Deletion>& earlier) {
  const auto same = [](const Deletion& a, const Deletion& b) {
    return a.kind == b.kind && a.category == b.category && a.sites == b.sites;
  };
  const std::string text = readWhole(deletedEntries(dir));
  const std::optional<std::vector<Deletion>> kept = readDeletedEntries(text);
  const bool bounded = kept && !kept->empty() && (kept->size() == earlier.size() + 1 ||
                                (kept->size() <= earlier.size() && text.size() <= 2 * kMaxDeletedEntriesBytes));
  if (!bounded || !same(kept->front(), newest) ||
      !std::equal(kept->begin() + 1, kept->end(), earlier.begin(),
                  [&](const Deletion& a, const Deletion& b) { return same(a, b) && a.time == b.time; }) ||
      deletedEntriesText(*kept) != text) {
    state.SkipWithError("the file of deleted entries is not the one expected");
  }
}

// The floor's file of deleted entries: the new deletion's folder put in front
// of the folders the file holds, the rest of its bytes as they are. The
// program reads the file to know it is its own whole file, and keeps it within
// bounds; the floor leaves that out, so these ratios err against the program.
std::string withNewest(const Deletion& newest, const std::optional<std::string>& old) {
  std::string text = deletedEntriesText({newest});
  if (!old) return text;
  static const std::size_t headerSize = deletedEntriesText({}).size() - kBookmarkHtmlFooter.size();
  text.resize(text.size() - kBookmarkHtmlFooter.size());
  return text.append(*old, headerSize);
}

// ---- Delete category 0 with its site file; every later one is renumbered ----

// All site files hold the same bytes, so after a deletion the collection is
// whole again once the category file, the last site file and the file of
// deleted entries are back.
void restoreCategories(const std::filesystem::path& dir, int categories, const std::string& kept) {
  writeDurably(categoryFile(dir), categoryFileBytes(categories));
  writeDurably(siteFile(dir, categories - 1), siteFileBytes(kSitesPerCategory));
  restoreKept(dir, kept);
  syncDirectory(dir);
}

Deletion deletedCategory() {
  return {Deletion::Kind::category, 0, std::string(CategoryRecord::withName(categoryName(0)).bytes()),
          siteFileBytes(kSitesPerCategory)};
}

void programDeleteCategory(benchmark::State& state, int categories, int earlier) {
  ScratchDir dir("delete-category");
  writeCollection(dir.path(), categories, categories, kSitesPerCategory);
  const std::vector<Deletion> kept = earlierDeletions(earlier, kEarlierSites);
  const std::string keptText = kept.empty() ? "" : deletedEntriesText(kept);
  ProgramWindow window(dir.path());
  bool first = true;
  for (auto _ : state) {
    state.PauseTiming();
    if (!expectDeleted(state, std::exchange(first, false) || !std::filesystem::exists(siteFile(dir.path(), categories - 1))))
      break;
    restoreCategories(dir.path(), categories, keptText);
    // The list as the files are now: the handler deletes only the category the list shows.
    Form_Load(window.host(), window.folder());
    settle();
    window.select("List1", 0);
    window.host().answerConfirm(true);
    state.ResumeTiming();
    scwzlb_Click(window.host(), window.folder());
    settle();
  }
  expectList(state, window.contents("List1"), without(categoryNames(categories), 0));
  if (std::filesystem::exists(siteFile(dir.path(), categories - 1))) {
    state.SkipWithError("the site files were not renumbered");
  }
  expectKept(state, dir.path(), deletedCategory(), kept);
}

// The least durable work of a deletion across files: the new category file,
// the file of deleted entries with the deleted category in front and a small
// record of the intended change are on the disk before anything moves; then
// the renames, made durable together by one directory flush.
void floorDeleteCategory(benchmark::State& state, int categories, int earlier) {
  ScratchDir scratch("delete-category-floor");
  const std::filesystem::path& dir = scratch.path();
  writeCollection(dir, categories, categories, kSitesPerCategory);
  FloorWindow floor;
  const std::vector<Deletion> kept = earlierDeletions(earlier, kEarlierSites);
  const std::string keptText = kept.empty() ? "" : deletedEntriesText(kept);
  const std::filesystem::path intent = dir / "intent";
  const std::filesystem::path entriesTemp = dir / "chg-0.tmp";
  const std::string intentBytes = "delete 0 of " + std::to_string(categories);
  for (auto _ : state) {
    state.PauseTiming();
    restoreCategories(dir, categories, keptText);
    state.ResumeTiming();
    const FloorChange change(dir);
    const std::string old = readWhole(categoryFile(dir));
    std::string remaining = old.substr(CategoryRecord::kLength);
    const Deletion deleted{Deletion::Kind::category, QDateTime::currentSecsSinceEpoch(),
                           old.substr(0, CategoryRecord::kLength), readWhole(siteFile(dir, 0))};
    writeDurably(entriesTemp, withNewest(deleted, readIfThere(deletedEntries(dir))));
    writeDurably(tempCategoryFile(dir), remaining);
    writeDurably(intent, intentBytes);
    syncDirectory(dir);
    renameOnly(entriesTemp, deletedEntries(dir));
    renameOnly(tempCategoryFile(dir), categoryFile(dir));
    renameOnly(siteFile(dir, 0), tempSiteFile(dir));
    for (int position = 1; position < categories; ++position) {
      renameOnly(siteFile(dir, position), siteFile(dir, position - 1));
    }
    removeOnly(tempSiteFile(dir));
    syncDirectory(dir);
    removeOnly(intent);
    floor.fill(ListBox::List1, std::move(remaining));
    settle();
  }
  expectKept(state, dir, deletedCategory(), kept);
}

// ---- Website maintenance on one category of 10,000 websites ----

std::filesystem::path websites(const ScratchDir& dir) { return siteFile(dir.path(), 0); }

void showWebsites(ProgramWindow& window) {
  window.select("List1", 0);
  List1_Click(window.host(), window.folder());
  settle();
}

void programAddWebsite(benchmark::State& state) {
  ScratchDir dir("add-website");
  writeCollection(dir.path(), 1, 1, kWebsites);
  ProgramWindow window(dir.path());
  showWebsites(window);
  for (auto _ : state) {
    state.PauseTiming();
    truncateDurably(websites(dir), off_t{kWebsites} * SiteRecord::kLength);
    window.host().answerInput(kNewSite);
    window.host().answerInput(kNewUrl);
    state.ResumeTiming();
    tjwz_Click(window.host(), window.folder());
    settle();
  }
  expectList(state, window.contents("List2"), with(siteNames(kWebsites), kNewSite));
}

void floorAddWebsite(benchmark::State& state) {
  ScratchDir dir("add-website-floor");
  writeCollection(dir.path(), 1, 1, kWebsites);
  FloorWindow floor;
  const SiteRecord record = SiteRecord::with(kNewSite, kNewUrl);
  for (auto _ : state) {
    state.PauseTiming();
    truncateDurably(websites(dir), off_t{kWebsites} * SiteRecord::kLength);
    state.ResumeTiming();
    const FloorChange change(dir.path());
    const FloorFile file(websites(dir), O_RDWR);
    file.writeAt(file.size(), record.bytes());
    file.sync();
    floor.fill(ListBox::List2, file.readAll());
    settle();
  }
}

void programModifyWebsite(benchmark::State& state) {
  ScratchDir dir("modify-website");
  writeCollection(dir.path(), 1, 1, kWebsites);
  ProgramWindow window(dir.path());
  showWebsites(window);
  for (auto _ : state) {
    state.PauseTiming();
    window.select("List2", 0);
    window.host().answerInput(kNewSite);
    window.host().answerInput(kNewUrl);
    state.ResumeTiming();
    xgwz_Click(window.host(), window.folder());
    settle();
  }
  std::vector<std::string> expected = siteNames(kWebsites);
  expected[0] = kNewSite;
  expectList(state, window.contents("List2"), expected);
}

void floorModifyWebsite(benchmark::State& state) {
  ScratchDir dir("modify-website-floor");
  writeCollection(dir.path(), 1, 1, kWebsites);
  FloorWindow floor;
  const SiteRecord record = SiteRecord::with(kNewSite, kNewUrl);
  for (auto _ : state) {
    const FloorChange change(dir.path());
    std::string changed = readWhole(websites(dir));
    changed.replace(0, SiteRecord::kLength, record.bytes());
    writeDurably(tempSiteFile(dir.path()), changed);
    renameDurably(tempSiteFile(dir.path()), websites(dir));
    floor.fill(ListBox::List2, std::move(changed));
    settle();
  }
}

Deletion deletedWebsite() {
  return {Deletion::Kind::website, 0, std::string(CategoryRecord::withName(categoryName(0)).bytes()),
          siteFileBytes(1)};
}

void programDeleteWebsite(benchmark::State& state, const std::vector<Deletion>& kept) {
  ScratchDir dir("delete-website");
  writeCollection(dir.path(), 1, 1, kWebsites);
  const std::string original = siteFileBytes(kWebsites);
  const std::string keptText = kept.empty() ? "" : deletedEntriesText(kept);
  ProgramWindow window(dir.path());
  showWebsites(window);
  bool first = true;
  for (auto _ : state) {
    state.PauseTiming();
    if (!expectDeleted(state, std::exchange(first, false) ||
                                  std::filesystem::file_size(websites(dir)) == original.size() - SiteRecord::kLength))
      break;
    writeDurably(websites(dir), original);
    restoreKept(dir.path(), keptText);
    syncDirectory(dir.path());
    // The list as the file is now: the handler deletes only the website the list shows.
    showWebsites(window);
    window.select("List2", 0);
    window.host().answerConfirm(true);
    state.ResumeTiming();
    scwz_Click(window.host(), window.folder());
    settle();
  }
  expectList(state, window.contents("List2"), without(siteNames(kWebsites), 0));
  expectKept(state, dir.path(), deletedWebsite(), kept);
}

// The website and the category it was in, put in front of the deleted entries
// in the same recorded change as the shorter site file.
void floorDeleteWebsite(benchmark::State& state, int earlier) {
  ScratchDir scratch("delete-website-floor");
  const std::filesystem::path& dir = scratch.path();
  writeCollection(dir, 1, 1, kWebsites);
  const std::string original = siteFileBytes(kWebsites);
  const std::vector<Deletion> kept = earlierDeletions(earlier, kEarlierSites);
  const std::string keptText = kept.empty() ? "" : deletedEntriesText(kept);
  const std::filesystem::path intent = dir / "intent";
  const std::filesystem::path entriesTemp = dir / "chg-0.tmp";
  const std::string intentBytes = "delete website 0 of 0";
  FloorWindow floor;
  for (auto _ : state) {
    state.PauseTiming();
    writeDurably(siteFile(dir, 0), original);
    restoreKept(dir, keptText);
    syncDirectory(dir);
    state.ResumeTiming();
    const FloorChange change(dir);
    const std::string old = readWhole(siteFile(dir, 0));
    std::string remaining = old.substr(SiteRecord::kLength);
    std::string category(CategoryRecord::kLength, '\0');
    FloorFile(categoryFile(dir), O_RDONLY).readAt(0, category);
    const Deletion deleted{Deletion::Kind::website, QDateTime::currentSecsSinceEpoch(), std::move(category),
                           old.substr(0, SiteRecord::kLength)};
    writeDurably(entriesTemp, withNewest(deleted, readIfThere(deletedEntries(dir))));
    writeDurably(tempSiteFile(dir), remaining);
    writeDurably(intent, intentBytes);
    syncDirectory(dir);
    renameOnly(entriesTemp, deletedEntries(dir));
    renameOnly(tempSiteFile(dir), siteFile(dir, 0));
    syncDirectory(dir);
    removeOnly(intent);
    floor.fill(ListBox::List2, std::move(remaining));
    settle();
  }
  expectKept(state, dir, deletedWebsite(), kept);
}

// What the bounds keep at the most: as many deletions of kEarlierSites
// websites as the file's bytes, or its count, allow.
std::vector<Deletion> keptAtTheBound() {
  const std::size_t empty = deletedEntriesText({}).size();
  const std::size_t each = deletedEntriesText(earlierDeletions(1, kEarlierSites)).size() - empty;
  return earlierDeletions(static_cast<int>(std::min(kMaxDeletionsKept, kMaxDeletedEntriesBytes / each)), kEarlierSites);
}

// ---- Registration ----

using Run = std::function<void(benchmark::State&)>;

void registerPair(const std::string& workload, int iterations, const Run& program, const Run& floor,
                  benchmark::TimeUnit unit = benchmark::kMillisecond) {
  for (const std::pair<const char*, Run>& pair : {std::pair{"program", program}, std::pair{"floor", floor}}) {
    const Run run = pair.second;
    benchmark::RegisterBenchmark((workload + "/" + pair.first).c_str(), [run](benchmark::State& state) { run(state); })
        ->Iterations(iterations)
        ->UseRealTime()
        ->Unit(unit);
  }
}

void registerAll() {
  for (const int categories : {1000, 32767}) {
    const std::string n = std::to_string(categories);
    registerPair("start-up list (Form_Load), " + n + " categories", 20,
                 [categories](auto& state) { programFormLoad(state, categories); },
                 [categories](auto& state) { floorFormLoad(state, categories); });
  }
  registerPair("category selection (List1_Click), 10000 websites", 20, programCategorySelection,
               floorCategorySelection);
  registerPair("website selection (List2_Click), last of 10000 websites", 2000, programWebsiteSelection,
               floorWebsiteSelection, benchmark::kMicrosecond);
  for (const int categories : {1000, 32767}) {
    const std::string n = std::to_string(categories);
    // A full list takes no more: the largest addition makes 32,766 categories 32,767.
    const int adding = std::min(categories, static_cast<int>(RecordFile::kMaxRecords) - 1);
    registerPair("add category (wzlb_Click), " + std::to_string(adding) + " categories" +
                     (adding < categories ? " becoming " + n : ""),
                 20, [adding](auto& state) { programAddCategory(state, adding); },
                 [adding](auto& state) { floorAddCategory(state, adding); });
    registerPair("rename category 0 (xgwzlb_Click), " + n + " categories", 20,
                 [categories](auto& state) { programRenameCategory(state, categories); },
                 [categories](auto& state) { floorRenameCategory(state, categories); });
  }
  for (const int categories : {1000, 32767}) {
    for (const int earlier : kEarlierDeletions) {
      registerPair("delete category 0 (scwzlb_Click), " + std::to_string(categories) + " categories with site files, " +
                       keptLabel(earlier),
                   categories > 1000 ? 1 : 3,
                   [categories, earlier](auto& state) { programDeleteCategory(state, categories, earlier); },
                   [categories, earlier](auto& state) { floorDeleteCategory(state, categories, earlier); });
    }
  }
  registerPair("add website (tjwz_Click), 10000 websites", 20, programAddWebsite, floorAddWebsite);
  registerPair("modify website 0 (xgwz_Click), 10000 websites", 20, programModifyWebsite, floorModifyWebsite);
  for (const int earlier : kEarlierDeletions) {
    registerPair("delete website 0 (scwz_Click), 10000 websites, " + keptLabel(earlier), 20,
                 [earlier](auto& state) { programDeleteWebsite(state, earlierDeletions(earlier, kEarlierSites)); },
                 [earlier](auto& state) { floorDeleteWebsite(state, earlier); });
  }
  // Keeping deletions costs what the bounds allow, not what has been deleted:
  // the same delete, its "floor" with nothing kept (scripts/bench.sh: within 2×).
  registerPair("delete website 0 (scwz_Click), 10000 websites, the deletions kept at their bound against none kept", 10,
               [](auto& state) { programDeleteWebsite(state, keptAtTheBound()); },
               [](auto& state) { programDeleteWebsite(state, {}); });
}

}  // namespace

}  // namespace tarvola::bench

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  tarvola::bench::registerAll();
  tarvola::bench::registerFindBenchmarks();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
