#include "ops/selection.h"

#include "store/data_files.h"

namespace tarvola {

std::optional<std::filesystem::path> selectedSiteFile(const Host& host) {
  const int category = host.selectedIndex(ListBox::List1);
  if (category < 0) return std::nullopt;
  return siteFile(host.dataDirectory(), category);
}

std::optional<SelectedWebsite> selectedWebsite(const Host& host) {
  const std::optional<std::filesystem::path> siteFile = selectedSiteFile(host);
  const int position = host.selectedIndex(ListBox::List2);
  if (!siteFile || position < 0) return std::nullopt;
  return SelectedWebsite{*siteFile, position, static_cast<std::uint64_t>(position) + 1};
}

}  // namespace tarvola
