#include "ops/categories/category_deletion.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "ops/categories/site_file_renumbering.h"
#include "store/atomic_rewrite.h"
#include "store/data_files.h"
#include "store/record_file.h"
#include "store/records.h"

namespace tarvola {

namespace {

// The file as it is, a partial last record included, so it can be put back byte for byte.
std::optional<std::string> readWholeFile(FileSystem& fs, const std::filesystem::path& path) {
  const std::unique_ptr<File> file = fs.open(path, OpenMode::existing);
  if (!file) return std::nullopt;
  const std::optional<std::uint64_t> size = file->size();
  if (!size) return std::nullopt;
  std::string bytes(*size, '\0');
  if (file->readAt(0, bytes) != bytes.size()) return std::nullopt;
  return bytes;
}

bool replaceCategoryFile(FileSystem& fs, const std::filesystem::path& dataDir, std::string_view content) {
  return rewriteAtomically(fs, categoryFile(dataDir), tempCategoryFile(dataDir), content);
}

}  // namespace

// The category file changes first: from then on the deleted category's site
// file belongs to no category, so moving it aside loses nothing that remains.
bool deleteCategory(FileSystem& fs, const std::filesystem::path& dataDir, int position) {
  const std::optional<std::string> old = readWholeFile(fs, categoryFile(dataDir));
  if (!old || position < 0) return false;
  const std::optional<std::string> rest =
      wholeRecordsWithout(*old, CategoryRecord::kLength, static_cast<std::uint64_t>(position) + 1);
  if (!rest || !replaceCategoryFile(fs, dataDir, *rest)) return false;
  // The file of position `count`, which no category owns, moves along as well.
  const std::uint64_t count = old->size() / CategoryRecord::kLength;
  const int last = static_cast<int>(std::min<std::uint64_t>(count, std::numeric_limits<int>::max()));
  if (!moveSiteFilesDown(fs, dataDir, position, last)) {
    replaceCategoryFile(fs, dataDir, *old);
    return false;
  }
  // A failure here is harmless: ls.dat is emptied before it is used again.
  fs.remove(tempSiteFile(dataDir));
  return true;
}

}  // namespace tarvola
