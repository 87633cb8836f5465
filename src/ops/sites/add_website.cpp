#include "ops/sites/add_website.h"

#include <optional>
#include <string>

#include "ops/list_refresh.h"
#include "ops/pending_change.h"
#include "ops/selection.h"
#include "ops/sites/website_dialogs.h"
#include "store/record_file.h"

namespace tarvola {

namespace {

// Right after the last whole record, so a damaged file's partial tail is
// overwritten rather than left as a gap.
void appendRecord(FileSystem& fs, const std::filesystem::path& path, const SiteRecord& record) {
  std::optional<RecordFile> file = RecordFile::open(fs, path, SiteRecord::kLength);
  if (file) file->append(record.bytes());
}

}  // namespace

void tjwz_Click(Host& host, FileSystem& fs) {
  const std::optional<std::filesystem::path> siteFile = selectedSiteFile(host);
  if (!siteFile || refuseWhileChangePending(host, fs)) return;
  const std::optional<SiteRecord> record = askForWebsite(host, "请输入网站名称", "", "http://");
  if (!record) return;
  appendRecord(fs, *siteFile, *record);
  rebuildSiteList(host, fs, *siteFile);
}

}  // namespace tarvola
