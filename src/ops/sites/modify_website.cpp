#include "ops/sites/modify_website.h"

#include <optional>
#include <string>

#include "ops/sites/website_change.h"
#include "ops/sites/website_dialogs.h"
#include "store/data_files.h"
#include "store/text_field.h"

namespace tarvola {

void xgwz_Click(Host& host, DataFolder& folder) {
  const std::optional<SelectedWebsite> website = selectedWebsite(host);
  if (!website || refuseWhileChangePending(host, folder)) return;
  const std::string currentName = trimTrailingBlanks(host.itemText(ListBox::List2, website->listPosition));
  // The tool tip holds the address of the website clicked last: the selected one.
  const std::optional<SiteRecord> record =
      askForWebsite(host, "请输入新的网站名称", currentName, host.toolTip(ListBox::List2));
  if (!record) return;
  // Only record r changes, through ls.dat: the file never grows and keeps its other bytes.
  changeSelectedWebsite(host, folder, *website, [&](WindowChange& change, std::string bytes, const std::string&) {
    bytes.replace(static_cast<std::size_t>(website->listPosition) * SiteRecord::kLength, SiteRecord::kLength,
                  record->bytes());
    const std::string name = siteFileName(website->category);
    return change.rewrite(name, kTempSiteFileName, bytes) ? Stopped() : Stopped(name);
  });
}

}  // namespace tarvola
