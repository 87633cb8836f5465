#include "ops/browse/category_selection.h"

#include <string>

#include "ops/folder_access.h"
#include "ops/list_refresh.h"
#include "ops/record_names.h"
#include "ops/selection.h"
#include "store/data_files.h"
#include "store/records.h"
#include "store/text_field.h"

namespace tarvola {

void List1_Click(Host& host, FileSystem& fs) {
  const int position = host.selectedIndex(ListBox::List1);
  if (position < 0) return;
  if (refuseWhileChangePending(host, fs)) {
    host.setItems(ListBox::List2, std::make_shared<RecordNames<SiteRecord>>(std::string()));
    return;
  }
  if (!listedCategoryRecord(fs, host, position)) {
    showChangedFolder(host, fs);
    return;
  }
  const std::string name = trimTrailingBlanks(host.itemText(ListBox::List1, position));
  host.setToolTip(ListBox::List1, name);
  rebuildSiteList(host, fs, siteFile(host.dataDirectory(), position));
  host.setCaption(name);
}

}  // namespace tarvola
