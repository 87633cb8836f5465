#include "ops/sites/website_change.h"

#include "ops/list_refresh.h"
#include "store/data_files.h"
#include "store/records.h"

namespace tarvola {

void changeSiteFile(Host& host, FileSystem& fs, int category, const SiteFileEdit& edit) {
  {
    WindowChange change(host, fs);
    if (change.ready()) {
      const std::optional<std::string> record = listedCategoryRecord(fs, host, category);
      if (!record) return showChangedFolder(host, fs);
      edit(change, *record);
    }
  }
  rebuildSiteList(host, fs, siteFile(host.dataDirectory(), category));
}

void changeSelectedWebsite(Host& host, FileSystem& fs, const SelectedWebsite& website, const WebsiteEdit& edit) {
  changeSiteFile(host, fs, website.category, [&](WindowChange& change, const std::string& categoryRecord) {
    std::optional<std::string> bytes = change.readToRewrite(siteFileName(website.category), SiteRecord::kLength);
    if (bytes && listShowsRecordAt(host, ListBox::List2, website.listPosition, *bytes))
      edit(change, std::move(*bytes), categoryRecord);
  });
}

}  // namespace tarvola
