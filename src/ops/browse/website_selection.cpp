#include "ops/browse/website_selection.h"

#include <optional>
#include <span>
#include <string>

#include "ops/list_refresh.h"
#include "store/record_file.h"
#include "store/records.h"

namespace tarvola {

namespace {

// The record of the selected website, read again from its file. Nothing when no
// category is selected or the record isn't there: the caption and the browser
// must never get another website's address.
std::optional<SiteRecord> selectedWebsite(Host& host, FileSystem& fs) {
  const std::optional<std::filesystem::path> path = selectedSiteFile(host);
  const int position = host.selectedIndex(ListBox::List2);
  if (!path || position < 0) return std::nullopt;
  std::optional<RecordFile> file = RecordFile::open(fs, *path, SiteRecord::kLength);
  if (!file) return std::nullopt;
  const std::optional<std::string> bytes = file->read(static_cast<std::uint64_t>(position) + 1);
  if (!bytes) return std::nullopt;
  return SiteRecord::fromBytes(std::span<const char, SiteRecord::kLength>(bytes->data(), SiteRecord::kLength));
}

}  // namespace

void List2_Click(Host& host, FileSystem& fs) {
  const std::optional<SiteRecord> website = selectedWebsite(host, fs);
  if (!website) return;
  const std::string url = website->shownUrl();
  host.setToolTip(ListBox::List2, url);
  host.setCaption(url);
}

void List2_DblClick(Host& host, FileSystem& fs) {
  const std::optional<SiteRecord> website = selectedWebsite(host, fs);
  if (!website) return;
  const std::string url = website->shownUrl();
  if (!url.empty()) host.openAddress(url);
}

}  // namespace tarvola
