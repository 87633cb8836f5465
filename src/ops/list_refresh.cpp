#include "ops/list_refresh.h"

#include <memory>
#include <optional>
#include <string>

#include "ops/folder_access.h"
#include "ops/record_names.h"
#include "store/data_files.h"
#include "store/records.h"

namespace tarvola {

namespace {

// A list shows a file that is there: a missing one is made, empty, as a change of its own.
template <typename Record>
std::shared_ptr<const ListEntries> shownNames(Host& host, DataFolder& folder, std::string_view name) {
  if (folder.lookUp(name) == FsStatus::missing) {
    WindowChange change(host, folder);
    if (change.ready()) change.createIfMissing(name);
  }
  std::optional<std::string> records = folder.shownRecords(name, Record::kLength);
  return std::make_shared<RecordNames<Record>>(records ? std::move(*records) : std::string());
}

}  // namespace

void rebuildCategoryList(Host& host, DataFolder& folder) {
  host.setItems(ListBox::List1, shownNames<CategoryRecord>(host, folder, kCategoryFileName));
}

void rebuildSiteList(Host& host, DataFolder& folder, int category) {
  host.setItems(ListBox::List2, shownNames<SiteRecord>(host, folder, siteFileName(category)));
}

void clearSiteList(Host& host) { host.setItems(ListBox::List2, std::make_shared<RecordNames<SiteRecord>>(std::string())); }

}  // namespace tarvola
