#include "ops/browse/category_selection.h"

#include <string>

#include "ops/folder_access.h"
#include "ops/list_refresh.h"
#include "ops/selection.h"
#include "store/text_field.h"

namespace tarvola {

void List1_Click(Host& host, DataFolder& folder) {
  const int position = host.selectedIndex(ListBox::List1);
  if (position < 0) return;
  if (refuseWhileChangePending(host, folder)) return clearSiteList(host);
  if (!listedCategoryRecord(folder, host, position)) return showChangedFolder(host, folder);
  const std::string name = trimTrailingBlanks(host.itemText(ListBox::List1, position));
  host.setToolTip(ListBox::List1, name);
  rebuildSiteList(host, folder, position);
  host.setCaption(name);
}

}  // namespace tarvola
