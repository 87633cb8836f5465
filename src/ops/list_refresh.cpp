#include "ops/list_refresh.h"

#include <memory>
#include <optional>
#include <string>

#include "ops/record_names.h"
#include "store/data_files.h"
#include "store/record_file.h"
#include "store/records.h"

namespace tarvola {

namespace {

// Empty when the file can't be read.
template <typename Record>
std::shared_ptr<const ListEntries> shownNames(FileSystem& fs, const std::filesystem::path& path) {
  std::optional<std::string> records = readShownRecords(fs, path, Record::kLength, OpenMode::openOrCreate);
  return std::make_shared<RecordNames<Record>>(records ? std::move(*records) : std::string());
}

}  // namespace

void rebuildCategoryList(Host& host, FileSystem& fs) {
  host.setItems(ListBox::List1, shownNames<CategoryRecord>(fs, categoryFile(host.dataDirectory())));
}

void rebuildSiteList(Host& host, FileSystem& fs, const std::filesystem::path& siteFilePath) {
  host.setItems(ListBox::List2, shownNames<SiteRecord>(fs, siteFilePath));
}

}  // namespace tarvola
