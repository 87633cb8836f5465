#include "ops/sites/modify_website.h"

#include <optional>
#include <string>

#include "ops/list_refresh.h"
#include "ops/pending_change.h"
#include "ops/selection.h"
#include "ops/sites/website_dialogs.h"
#include "store/data_files.h"
#include "store/record_replacement.h"
#include "store/text_field.h"

namespace tarvola {

void xgwz_Click(Host& host, FileSystem& fs) {
  const std::optional<SelectedWebsite> website = selectedWebsite(host);
  if (!website || refuseWhileChangePending(host, fs)) return;
  const std::string currentName = trimTrailingBlanks(host.itemText(ListBox::List2, website->listPosition));
  // The tool tip holds the address of the website clicked last: the selected one.
  const std::optional<SiteRecord> record =
      askForWebsite(host, "请输入新的网站名称", currentName, host.toolTip(ListBox::List2));
  if (!record) return;
  // Only while record r is there whole: the file never grows and never gets a
  // record at a place the list didn't show.
  replaceRecord(fs, website->siteFile, tempSiteFile(host.dataDirectory()), website->recordNumber, record->bytes());
  rebuildSiteList(host, fs, website->siteFile);
}

}  // namespace tarvola
