#include "ops/sites/selected_website.h"

#include "ops/list_refresh.h"

namespace tarvola {

std::optional<SelectedWebsite> selectedWebsite(const Host& host) {
  const std::optional<std::filesystem::path> siteFile = selectedSiteFile(host);
  const int position = host.selectedIndex(ListBox::List2);
  if (!siteFile || position < 0) return std::nullopt;
  return SelectedWebsite{*siteFile, position, static_cast<std::uint64_t>(position) + 1};
}

}  // namespace tarvola
