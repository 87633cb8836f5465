#include "ops/browse/website_selection.h"

#include <optional>
#include <span>
#include <string>

#include "ops/folder_access.h"
#include "ops/selection.h"
#include "store/data_files.h"
#include "store/records.h"

namespace tarvola {

namespace {

// The record of the selected website, read again from its file. Nothing when no
// category is selected or the record isn't there, or is another website now:
// the caption and the browser must never get another website's address.
std::optional<SiteRecord> readSelectedWebsite(Host& host, DataFolder& folder) {
  const std::optional<SelectedWebsite> website = selectedWebsite(host);
  if (!website || refuseWhileChangePending(host, folder)) return std::nullopt;
  const std::optional<std::string> bytes =
      folder.record(siteFileName(website->category), SiteRecord::kLength, website->recordNumber);
  if (!bytes || !listShowsRecord(host, ListBox::List2, website->listPosition, *bytes)) return std::nullopt;
  return SiteRecord::fromBytes(std::span<const char, SiteRecord::kLength>(bytes->data(), SiteRecord::kLength));
}

}  // namespace

void List2_Click(Host& host, DataFolder& folder) {
  const std::optional<SiteRecord> website = readSelectedWebsite(host, folder);
  if (!website) return;
  const std::string url = website->shownUrl();
  host.setToolTip(ListBox::List2, url);
  host.setCaption(url);
}

void List2_DblClick(Host& host, DataFolder& folder) {
  const std::optional<SiteRecord> website = readSelectedWebsite(host, folder);
  if (!website) return;
  const std::string url = website->shownUrl();
  if (!url.empty()) host.openAddress(url);
}

}  // namespace tarvola
