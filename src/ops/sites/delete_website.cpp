#include "ops/sites/delete_website.h"

#include <optional>
#include <string>

#include "ops/list_refresh.h"
#include "ops/pending_change.h"
#include "ops/selection.h"
#include "store/atomic_rewrite.h"
#include "store/data_files.h"
#include "store/record_file.h"
#include "store/records.h"

namespace tarvola {

namespace {

// The whole records of the file except record r, as they are on the disk.
std::optional<std::string> recordsWithout(FileSystem& fs, const std::filesystem::path& path, std::uint64_t r) {
  std::optional<RecordFile> file = RecordFile::open(fs, path, SiteRecord::kLength, OpenMode::existing);
  if (!file) return std::nullopt;
  const std::optional<std::string> records = file->readWholeFile();
  if (!records) return std::nullopt;
  return wholeRecordsWithout(*records, SiteRecord::kLength, r);
}

void removeRecord(FileSystem& fs, const std::filesystem::path& path, const std::filesystem::path& temp,
                  std::uint64_t r) {
  // Read under a handle of its own that is closed again: Windows won't rename over an open file.
  const std::optional<std::string> rest = recordsWithout(fs, path, r);
  if (rest) rewriteAtomically(fs, path, temp, *rest);
}

}  // namespace

void scwz_Click(Host& host, FileSystem& fs) {
  const std::optional<SelectedWebsite> website = selectedWebsite(host);
  if (!website || refuseWhileChangePending(host, fs)) return;
  if (!host.confirm("您是否真的删除所选网站？", "提示")) return;
  removeRecord(fs, website->siteFile, tempSiteFile(host.dataDirectory()), website->recordNumber);
  rebuildSiteList(host, fs, website->siteFile);
}

}  // namespace tarvola
