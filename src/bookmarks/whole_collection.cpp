#include "bookmarks/whole_collection.h"

#include <cstdint>
#include <cstring>
#include <utility>

#include "store/data_files.h"
#include "store/folder_change.h"
#include "store/records.h"
#include "store/shown_names.h"
#include "store/text_field.h"

namespace tarvola {

namespace {

// A field without its trailing blanks, eight bytes at a time: most of an
// address field is fill. shownText does the same one byte at a time.
std::span<const char> withoutFill(std::span<const char> field) {
  constexpr std::uint64_t kBlanks = 0x2020202020202020;
  std::size_t end = field.size();
  while (end >= sizeof kBlanks) {
    std::uint64_t word = 0;
    std::memcpy(&word, field.data() + end - sizeof kBlanks, sizeof kBlanks);
    if (word != kBlanks) break;
    end -= sizeof kBlanks;
  }
  return field.first(end);
}

BookmarkLink linkOf(std::span<const char, SiteRecord::kLength> record) {
  return {shownText(withoutFill(record.first<SiteRecord::kNameWidth>())),
          shownText(withoutFill(record.last<SiteRecord::kUrlWidth>()))};
}

std::vector<BookmarkLink> linksOf(const std::string& records) {
  std::vector<BookmarkLink> links;
  links.reserve(records.size() / SiteRecord::kLength);
  for (std::size_t at = 0; at + SiteRecord::kLength <= records.size(); at += SiteRecord::kLength)
    links.push_back(linkOf(std::span<const char, SiteRecord::kLength>(records.data() + at, SiteRecord::kLength)));
  return links;
}

// Every category in turn to `take`; false, with the file, when one can't be read.
bool readCollection(const DataFolder& folder, std::string& failedFile, const CategoryTaker& take) {
  failedFile = kCategoryFileName;
  const std::optional<std::string> categories = folder.shownRecords(kCategoryFileName, CategoryRecord::kLength);
  if (!categories) return false;
  const ShownNames<CategoryRecord> names(*categories);
  for (std::size_t position = 0; position < names.size(); ++position) {
    failedFile = siteFileName(static_cast<int>(position));
    const std::optional<std::string> sites = folder.shownRecords(failedFile, SiteRecord::kLength);
    if (!sites) return false;
    take(BookmarkFolder{names.at(position), linksOf(*sites), {}});
  }
  failedFile.clear();
  return true;
}

}  // namespace

WholeCollection readWholeCollection(DataFolder& folder, std::chrono::milliseconds patience) {
  std::vector<BookmarkFolder> categories;
  WholeCollection whole = readWholeCollection(
      folder, patience, [&categories](BookmarkFolder&& category) { categories.push_back(std::move(category)); });
  if (whole.status == WholeCollection::Status::done) whole.categories = std::move(categories);
  return whole;
}

WholeCollection readWholeCollection(DataFolder& folder, std::chrono::milliseconds patience, const CategoryTaker& take) {
  using Status = WholeCollection::Status;
  WholeCollection whole;
  const FolderChange change(folder, patience);
  if (change.state() != FolderChange::State::ready) {
    whole.status = change.state() == FolderChange::State::busy ? Status::busy : Status::pendingChange;
    return whole;
  }
  if (!readCollection(folder, whole.file, take)) whole.status = Status::readFailed;
  return whole;
}

}  // namespace tarvola
