#include "ops/browse/category_selection.h"

#include <string>

#include "ops/list_refresh.h"
#include "store/data_files.h"
#include "store/text_field.h"

namespace tarvola {

void List1_Click(Host& host, FileSystem& fs) {
  const int position = host.selectedIndex(ListBox::List1);
  if (position < 0) return;
  const std::string name = trimTrailingBlanks(host.itemText(ListBox::List1, position));
  host.setToolTip(ListBox::List1, name);
  rebuildSiteList(host, fs, siteFile(host.dataDirectory(), position));
  host.setCaption(name);
}

}  // namespace tarvola
