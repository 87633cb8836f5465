#include "ops/categories/rename_category.h"

#include <cstdint>
#include <filesystem>
#include <string>

#include "ops/categories/category_name_dialog.h"
#include "ops/list_refresh.h"
#include "ops/pending_change.h"
#include "store/data_files.h"
#include "store/record_replacement.h"
#include "store/records.h"
#include "store/text_field.h"

namespace tarvola {

namespace {

// Replaces the record of list position `position` only where it exists: the
// file may have fewer records than the list shows, and must not grow.
void renameCategory(FileSystem& fs, const std::filesystem::path& dataDir, int position, const std::string& name) {
  replaceRecord(fs, categoryFile(dataDir), tempCategoryFile(dataDir), static_cast<std::uint64_t>(position) + 1,
                CategoryRecord::withName(name).bytes());
}

}  // namespace

void xgwzlb_Click(Host& host, FileSystem& fs) {
  const int position = host.selectedIndex(ListBox::List1);
  if (position < 0 || refuseWhileChangePending(host, fs)) return;
  const std::string name = askForCategoryName(host, trimTrailingBlanks(host.itemText(ListBox::List1, position)));
  if (!name.empty()) renameCategory(fs, host.dataDirectory(), position, name);
  // Also after Cancel: the list is read again, and so loses its selection.
  rebuildCategoryList(host, fs);
}

}  // namespace tarvola
