#include "ops/sites/delete_website.h"

#include <optional>
#include <string>

#include "ops/sites/website_change.h"
#include "store/data_files.h"
#include "store/deleted_entries.h"
#include "store/records.h"

namespace tarvola {

void scwz_Click(Host& host, DataFolder& folder) {
  const std::optional<SelectedWebsite> website = selectedWebsite(host);
  if (!website || refuseWhileChangePending(host, folder)) return;
  if (!host.confirm("您是否真的删除所选网站？", "提示")) return;
  // The whole records but the deleted one, as they are on the disk, through
  // ls.dat; in the same recorded change the deleted one joins the deleted entries.
  changeSelectedWebsite(host, folder, *website, [&](WindowChange& change, const std::string& bytes,
                                                    const std::string& categoryRecord) {
    const std::string name = siteFileName(website->category);
    const std::optional<std::string> rest = wholeRecordsWithout(bytes, SiteRecord::kLength, website->recordNumber);
    const std::string deleted = bytes.substr(static_cast<std::size_t>(website->listPosition) * SiteRecord::kLength,
                                             SiteRecord::kLength);
    if (!rest) return Stopped(name);
    if (!keepDeletion(change, {Deletion::Kind::website, host.now(), categoryRecord, deleted}))
      return Stopped(std::string(kDeletedEntriesFileName));
    if (!change.stage(name, *rest, std::string(kTempSiteFileName))) return Stopped(std::string(kTempSiteFileName));
    return change.commit() == ChangeOutcome::notBegun ? Stopped(name) : Stopped();
  });
}

}  // namespace tarvola
