#include "ops/categories/add_category.h"

#include <string>

#include "ops/categories/category_name_dialog.h"
#include "ops/folder_access.h"
#include "ops/list_refresh.h"
#include "store/data_files.h"
#include "store/records.h"

namespace tarvola {

void wzlb_Click(Host& host, DataFolder& folder) {
  if (refuseWhileChangePending(host, folder)) return;
  const std::string name = askForCategoryName(host, "");
  if (name.empty()) return;
  bool failed = false;
  {
    // Right after the last whole record: a damaged file's partial tail is
    // overwritten, never a whole record, and no gap is left.
    WindowChange change(host, folder);
    failed = change.ready() && !change.append(kCategoryFileName, CategoryRecord::withName(name).bytes());
  }
  rebuildCategoryList(host, folder);
  if (failed) sayChangeFailed(host, kCategoryFileName);
}

}  // namespace tarvola
