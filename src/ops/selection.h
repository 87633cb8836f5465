#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "host/host.h"
#include "store/data_folder.h"

namespace tarvola {

// The website selected in List2, within the category selected in List1.
struct SelectedWebsite {
  int category;
  int listPosition;
  std::uint64_t recordNumber;  // listPosition + 1
};

// Nothing unless both lists have a selected entry: without a category there is
// no site file to work on, only a name made from -1.
std::optional<SelectedWebsite> selectedWebsite(const Host& host);

// Another program may have changed the folder since a list was filled: a
// handler acts on an entry only while the record at its place still shows
// what the list shows. `record` is that record alone; `records` the file's
// bytes, with it at the entry's place.
bool listShowsRecord(const Host& host, ListBox list, int position, std::string_view record);
bool listShowsRecordAt(const Host& host, ListBox list, int position, std::string_view records);
// The record of the category at List1's `position`, read from wwww.dat, while it is the one the list shows.
std::optional<std::string> listedCategoryRecord(const DataFolder& folder, const Host& host, int position);

// After the folder was found changed under the window: List1 as the file
// holds it now, List2 empty, so that no category shows another's websites.
void showChangedFolder(Host& host, DataFolder& folder);

}  // namespace tarvola
