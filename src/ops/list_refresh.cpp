#include "ops/list_refresh.h"

#include <span>
#include <string>
#include <vector>

#include "store/data_files.h"
#include "store/record_file.h"
#include "store/records.h"

namespace tarvola {

namespace {

template <typename Record>
std::vector<std::string> shownNames(FileSystem& fs, const std::filesystem::path& path) {
  std::vector<std::string> names;
  std::optional<RecordFile> file = RecordFile::open(fs, path, Record::kLength);
  if (!file) return names;
  const std::optional<std::string> records = file->readAll();
  if (!records) return names;
  names.reserve(records->size() / Record::kLength);
  for (std::size_t at = 0; at < records->size(); at += Record::kLength) {
    const std::span<const char, Record::kLength> bytes(records->data() + at, Record::kLength);
    names.push_back(Record::fromBytes(bytes).shownName());
  }
  return names;
}

}  // namespace

void rebuildCategoryList(Host& host, FileSystem& fs) {
  host.setItems(ListBox::List1, shownNames<CategoryRecord>(fs, categoryFile(host.dataDirectory())));
}

void rebuildSiteList(Host& host, FileSystem& fs, const std::filesystem::path& siteFilePath) {
  host.setItems(ListBox::List2, shownNames<SiteRecord>(fs, siteFilePath));
}

}  // namespace tarvola
