#include "ops/selection.h"

#include <span>

#include "ops/list_refresh.h"
#include "store/data_files.h"
#include "store/records.h"

namespace tarvola {

namespace {

template <typename Record>
std::string shownNameOf(std::string_view record) {
  return Record::fromBytes(std::span<const char, Record::kLength>(record.data(), Record::kLength)).shownName();
}

std::size_t recordLengthOf(ListBox list) {
  return list == ListBox::List1 ? CategoryRecord::kLength : SiteRecord::kLength;
}

}  // namespace

std::optional<SelectedWebsite> selectedWebsite(const Host& host) {
  const int category = host.selectedIndex(ListBox::List1);
  const int position = host.selectedIndex(ListBox::List2);
  if (category < 0 || position < 0) return std::nullopt;
  return SelectedWebsite{category, position, static_cast<std::uint64_t>(position) + 1};
}

bool listShowsRecord(const Host& host, ListBox list, int position, std::string_view record) {
  if (position < 0 || record.size() != recordLengthOf(list)) return false;
  const std::string shown =
      list == ListBox::List1 ? shownNameOf<CategoryRecord>(record) : shownNameOf<SiteRecord>(record);
  return shown == host.itemText(list, position);
}

bool listShowsRecordAt(const Host& host, ListBox list, int position, std::string_view records) {
  const std::size_t length = recordLengthOf(list);
  const std::size_t at = static_cast<std::size_t>(position) * length;
  return position >= 0 && records.size() >= at + length &&
         listShowsRecord(host, list, position, records.substr(at, length));
}

std::optional<std::string> listedCategoryRecord(const DataFolder& folder, const Host& host, int position) {
  std::optional<std::string> record =
      folder.record(kCategoryFileName, CategoryRecord::kLength, static_cast<std::uint64_t>(position) + 1);
  if (!record || !listShowsRecord(host, ListBox::List1, position, *record)) return std::nullopt;
  return record;
}

void showChangedFolder(Host& host, DataFolder& folder) {
  rebuildCategoryList(host, folder);
  clearSiteList(host);
}

}  // namespace tarvola
