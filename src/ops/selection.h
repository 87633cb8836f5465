#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

#include "host/host.h"

namespace tarvola {

// The site file of the category selected in List1; nullopt when none is selected.
std::optional<std::filesystem::path> selectedSiteFile(const Host& host);

// The website selected in List2, within the category selected in List1.
struct SelectedWebsite {
  std::filesystem::path siteFile;
  int listPosition;
  std::uint64_t recordNumber;  // listPosition + 1
};

// Nothing unless both lists have a selected entry: without a category there is
// no site file to work on, only a name made from -1.
std::optional<SelectedWebsite> selectedWebsite(const Host& host);

}  // namespace tarvola
