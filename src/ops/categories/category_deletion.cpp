#include "ops/categories/category_deletion.h"

#include <algorithm>
#include <iterator>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "ops/categories/site_file_renumbering.h"
#include "store/atomic_rewrite.h"
#include "store/change_intent.h"
#include "store/data_files.h"
#include "store/record_file.h"
#include "store/records.h"
#include "store/temporary_file.h"

namespace tarvola {

namespace {

// The file as it is, a partial last record included, so the rest is copied byte for byte.
std::optional<std::string> readCategoryFile(FileSystem& fs, const std::filesystem::path& dataDir) {
  std::optional<RecordFile> file = RecordFile::open(fs, categoryFile(dataDir), CategoryRecord::kLength, OpenMode::existing);
  return file ? file->readWholeFile() : std::nullopt;
}

}  // namespace

// The new category file and every renumbering go in one change: an
// interrupted one is finished at the next start, so a category is never shown
// with another's websites.
bool deleteCategory(FileSystem& fs, const std::filesystem::path& dataDir, int position) {
  if (position < 0 || !finishPendingChange(fs, dataDir)) return false;
  const std::optional<std::string> old = readCategoryFile(fs, dataDir);
  if (!old) return false;
  const std::optional<std::string> rest =
      wholeRecordsWithout(*old, CategoryRecord::kLength, static_cast<std::uint64_t>(position) + 1);
  if (!rest || !clearTemporaryFile(fs, tempSiteFile(dataDir))) return false;
  // The file of position `count`, which no category owns, moves along as well.
  const std::uint64_t count = old->size() / CategoryRecord::kLength;
  const int last = static_cast<int>(std::min<std::uint64_t>(count, std::numeric_limits<int>::max()));
  const std::optional<std::vector<ChangeStep>> moves = siteFileMoves(fs, dataDir, position, last);
  if (!moves) return false;
  if (!writeComplete(fs, tempCategoryFile(dataDir), *rest)) {
    fs.remove(tempCategoryFile(dataDir));
    return false;
  }
  std::vector<ChangeStep> steps = {{ChangeStep::Kind::replace, tempCategoryFile(dataDir).filename().string(),
                                    categoryFile(dataDir).filename().string()}};
  std::ranges::copy(*moves, std::back_inserter(steps));
  if (!carryOutChange(fs, dataDir, steps)) return false;
  // The deleted category's websites; what can't go now is cleared before ls.dat is used again.
  clearTemporaryFile(fs, tempSiteFile(dataDir));
  return true;
}

}  // namespace tarvola
