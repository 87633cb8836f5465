#include "ops/sites/website_change.h"

#include "ops/list_refresh.h"
#include "store/data_files.h"
#include "store/records.h"

namespace tarvola {

void changeSiteFile(Host& host, DataFolder& folder, int category, const SiteFileEdit& edit) {
  Stopped stopped;
  {
    WindowChange change(host, folder);
    if (change.ready()) {
      const std::optional<std::string> record = listedCategoryRecord(folder, host, category);
      if (!record) return showChangedFolder(host, folder);
      stopped = edit(change, *record);
    }
  }
  rebuildSiteList(host, folder, category);
  if (stopped) sayChangeFailed(host, *stopped);
}

void changeSelectedWebsite(Host& host, DataFolder& folder, const SelectedWebsite& website, const WebsiteEdit& edit) {
  changeSiteFile(host, folder, website.category, [&](WindowChange& change, const std::string& categoryRecord) {
    const std::string name = siteFileName(website.category);
    std::optional<std::string> bytes = change.readToRewrite(name, SiteRecord::kLength);
    if (!bytes) return Stopped(name);
    if (!listShowsRecordAt(host, ListBox::List2, website.listPosition, *bytes)) return Stopped();
    return edit(change, std::move(*bytes), categoryRecord);
  });
}

}  // namespace tarvola
