#include "ops/sites/website_change.h"

#include "ops/list_refresh.h"
#include "store/data_files.h"
#include "store/records.h"

namespace tarvola {

void changeSiteFile(Host& host, FileSystem& fs, int category, const std::function<void(WindowChange&)>& edit) {
  {
    WindowChange change(host, fs);
    if (change.ready()) {
      if (!categoryStillListed(fs, host, category)) return showChangedFolder(host, fs);
      edit(change);
    }
  }
  rebuildSiteList(host, fs, siteFile(host.dataDirectory(), category));
}

void rewriteSelectedWebsite(Host& host, FileSystem& fs, const SelectedWebsite& website,
                            const std::function<std::optional<std::string>(std::string)>& edit) {
  changeSiteFile(host, fs, website.category, [&](WindowChange& change) {
    const std::string name = siteFileName(website.category);
    std::optional<std::string> bytes = change.readToRewrite(name, SiteRecord::kLength);
    if (!bytes || !listShowsRecordAt(host, ListBox::List2, website.listPosition, *bytes)) return;
    const std::optional<std::string> edited = edit(std::move(*bytes));
    if (edited) change.rewrite(name, kTempSiteFileName, *edited);
  });
}

}  // namespace tarvola
