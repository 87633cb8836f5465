#include "ops/sites/modify_website.h"

#include <optional>
#include <string>

#include "ops/list_refresh.h"
#include "ops/selection.h"
#include "ops/sites/website_dialogs.h"
#include "store/record_file.h"
#include "store/text_field.h"

namespace tarvola {

namespace {

// Overwrites record r only while it is there whole: the file never grows and
// never gets a record at a place the list didn't show.
void overwriteRecord(FileSystem& fs, const std::filesystem::path& path, std::uint64_t r, const SiteRecord& record) {
  std::optional<RecordFile> file = RecordFile::open(fs, path, SiteRecord::kLength, OpenMode::existing);
  if (file && r <= file->recordCount()) file->write(r, record.bytes());
}

}  // namespace

void xgwz_Click(Host& host, FileSystem& fs) {
  const std::optional<SelectedWebsite> website = selectedWebsite(host);
  if (!website) return;
  const std::string currentName = trimTrailingBlanks(host.itemText(ListBox::List2, website->listPosition));
  // The tool tip holds the address of the website clicked last: the selected one.
  const std::optional<SiteRecord> record =
      askForWebsite(host, "请输入新的网站名称", currentName, host.toolTip(ListBox::List2));
  if (!record) return;
  overwriteRecord(fs, website->siteFile, website->recordNumber, *record);
  rebuildSiteList(host, fs, website->siteFile);
}

}  // namespace tarvola
