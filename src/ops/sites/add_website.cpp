#include "ops/sites/add_website.h"

#include <optional>

#include "ops/sites/website_change.h"
#include "ops/sites/website_dialogs.h"
#include "store/data_files.h"

namespace tarvola {

void tjwz_Click(Host& host, DataFolder& folder) {
  const int category = host.selectedIndex(ListBox::List1);
  if (category < 0 || refuseWhileChangePending(host, folder)) return;
  const std::optional<SiteRecord> record = askForWebsite(host, "请输入网站名称", "", "http://");
  if (!record) return;
  // Right after the last whole record, so a damaged file's partial tail is
  // overwritten rather than left as a gap.
  changeSiteFile(host, folder, category, [&](WindowChange& change, const std::string&) {
    const std::string name = siteFileName(category);
    return change.append(name, record->bytes()) ? Stopped() : Stopped(name);
  });
}

}  // namespace tarvola
