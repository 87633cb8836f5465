#include "ops/browse/other_changes.h"

#include <optional>
#include <string>

#include "ops/list_refresh.h"
#include "store/data_files.h"
#include "store/records.h"

namespace tarvola {

namespace {

// The file is read, and holds other whole records than the list shows.
bool listDiffersFromFile(const Host& host, const DataFolder& folder, ListBox list, std::string_view name,
                         std::size_t recordLength) {
  const std::optional<std::string> records = folder.shownRecords(name, recordLength);
  return records && *records != host.shownRecords(list);
}

}  // namespace

bool showOtherChanges(Host& host, DataFolder& folder) {
  // Until it is finished, a site file may hold another category's websites.
  if (folder.changePending()) return false;
  if (listDiffersFromFile(host, folder, ListBox::List1, kCategoryFileName, CategoryRecord::kLength)) {
    rebuildCategoryList(host, folder);
    return true;
  }
  const int category = host.selectedIndex(ListBox::List1);
  if (category >= 0 && listDiffersFromFile(host, folder, ListBox::List2, siteFileName(category), SiteRecord::kLength)) {
    rebuildSiteList(host, folder, category);
  }
  return true;
}

}  // namespace tarvola
