#include "ops/categories/rename_category.h"

#include <optional>
#include <string>

#include "ops/categories/category_name_dialog.h"
#include "ops/folder_access.h"
#include "ops/list_refresh.h"
#include "ops/selection.h"
#include "store/data_files.h"
#include "store/records.h"
#include "store/text_field.h"

namespace tarvola {

namespace {

// Replaces the record of list position `position` only while it is the one
// the list shows: the file may have fewer records than the list, or others
// now, and must not grow. The rest of the file stays as it is.
// False when the file can't be read or written.
bool renameCategory(Host& host, DataFolder& folder, int position, const std::string& name) {
  WindowChange change(host, folder);
  if (!change.ready()) return true;
  std::optional<std::string> bytes = change.readToRewrite(kCategoryFileName, CategoryRecord::kLength);
  if (!bytes) return false;
  if (!listShowsRecordAt(host, ListBox::List1, position, *bytes)) return true;
  bytes->replace(static_cast<std::size_t>(position) * CategoryRecord::kLength, CategoryRecord::kLength,
                 CategoryRecord::withName(name).bytes());
  return change.rewrite(kCategoryFileName, kTempCategoryFileName, *bytes);
}

}  // namespace

void xgwzlb_Click(Host& host, DataFolder& folder) {
  const int position = host.selectedIndex(ListBox::List1);
  if (position < 0 || refuseWhileChangePending(host, folder)) return;
  const std::string name = askForCategoryName(host, trimTrailingBlanks(host.itemText(ListBox::List1, position)));
  const bool failed = !name.empty() && !renameCategory(host, folder, position, name);
  // Also after Cancel: the list is read again, and so loses its selection.
  rebuildCategoryList(host, folder);
  if (failed) sayChangeFailed(host, kCategoryFileName);
}

}  // namespace tarvola
