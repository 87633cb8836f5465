#include "ops/categories/add_category.h"

#include <filesystem>
#include <optional>
#include <string>

#include "ops/categories/category_name_dialog.h"
#include "ops/list_refresh.h"
#include "ops/pending_change.h"
#include "store/data_files.h"
#include "store/record_file.h"
#include "store/records.h"

namespace tarvola {

namespace {

// Right after the last whole record: a damaged file's partial tail is
// overwritten, never a whole record, and no gap is left.
void appendCategory(FileSystem& fs, const std::filesystem::path& dataDir, const std::string& name) {
  std::optional<RecordFile> file = RecordFile::open(fs, categoryFile(dataDir), CategoryRecord::kLength);
  if (file) file->append(CategoryRecord::withName(name).bytes());
}

}  // namespace

void wzlb_Click(Host& host, FileSystem& fs) {
  if (refuseWhileChangePending(host, fs)) return;
  const std::string name = askForCategoryName(host, "");
  if (name.empty()) return;
  appendCategory(fs, host.dataDirectory(), name);
  rebuildCategoryList(host, fs);
}

}  // namespace tarvola
