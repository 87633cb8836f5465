#include "ops/categories/delete_category.h"

#include "ops/categories/category_deletion.h"
#include "ops/list_refresh.h"

namespace tarvola {

void scwzlb_Click(Host& host, FileSystem& fs) {
  const int position = host.selectedIndex(ListBox::List1);
  if (position < 0) return;
  if (!host.confirm("您是否真的删除所选网站类别及其所属网站？", "提示")) return;
  deleteCategory(fs, host.dataDirectory(), position);
  rebuildCategoryList(host, fs);
}

}  // namespace tarvola
