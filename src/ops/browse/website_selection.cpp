#include "ops/browse/website_selection.h"

#include <optional>
#include <span>
#include <string>

#include "ops/folder_access.h"
#include "ops/selection.h"
#include "store/record_file.h"
#include "store/records.h"

namespace tarvola {

namespace {

// The record of the selected website, read again from its file. Nothing when no
// category is selected or the record isn't there, or is another website now:
// the caption and the browser must never get another website's address.
std::optional<SiteRecord> readSelectedWebsite(Host& host, FileSystem& fs) {
  const std::optional<SelectedWebsite> website = selectedWebsite(host);
  if (!website || refuseWhileChangePending(host, fs)) return std::nullopt;
  std::optional<RecordFile> file = RecordFile::open(fs, website->siteFile, SiteRecord::kLength);
  if (!file) return std::nullopt;
  const std::optional<std::string> bytes = file->read(website->recordNumber);
  if (!bytes || !listShowsRecord(host, ListBox::List2, website->listPosition, *bytes)) return std::nullopt;
  return SiteRecord::fromBytes(std::span<const char, SiteRecord::kLength>(bytes->data(), SiteRecord::kLength));
}

}  // namespace

void List2_Click(Host& host, FileSystem& fs) {
  const std::optional<SiteRecord> website = readSelectedWebsite(host, fs);
  if (!website) return;
  const std::string url = website->shownUrl();
  host.setToolTip(ListBox::List2, url);
  host.setCaption(url);
}

void List2_DblClick(Host& host, FileSystem& fs) {
  const std::optional<SiteRecord> website = readSelectedWebsite(host, fs);
  if (!website) return;
  const std::string url = website->shownUrl();
  if (!url.empty()) host.openAddress(url);
}

}  // namespace tarvola
