#include "ops/sites/delete_website.h"

#include <optional>
#include <string>

#include "ops/sites/website_change.h"
#include "store/record_file.h"
#include "store/records.h"

namespace tarvola {

void scwz_Click(Host& host, FileSystem& fs) {
  const std::optional<SelectedWebsite> website = selectedWebsite(host);
  if (!website || refuseWhileChangePending(host, fs)) return;
  if (!host.confirm("您是否真的删除所选网站？", "提示")) return;
  // The whole records but the deleted one, as they are on the disk.
  rewriteSelectedWebsite(host, fs, *website, [&](const std::string& bytes) {
    return wholeRecordsWithout(bytes, SiteRecord::kLength, website->recordNumber);
  });
}

}  // namespace tarvola
