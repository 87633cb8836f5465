#include "bookmarks/bookmark_export.h"

#include <libxml/entities.h>

#include <memory>
#include <optional>

#include "bookmarks/collection_files.h"
#include "bookmarks/xml_text.h"
#include "store/atomic_rewrite.h"
#include "store/change_intent.h"
#include "store/data_files.h"
#include "store/records.h"

namespace tarvola {

namespace {

// Chromium's reader goes line by line: every item keeps a line of its own.
constexpr std::string_view kHeader =
    "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
    "<!-- This is an automatically generated file.\n"
    "     It will be read and overwritten.\n"
    "     DO NOT EDIT! -->\n"
    "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
    "<TITLE>书签</TITLE>\n"
    "<H1>书签</H1>\n"
    "<DL><p>\n";

std::string escaped(const std::string& text) {
  const XmlText result(xmlEncodeSpecialChars(nullptr, xmlTextOf(text)));
  return stringOf(result.get());
}

std::optional<std::vector<ExportedCategory>> readCollection(FileSystem& fs, const std::filesystem::path& dataDir,
                                                            std::string& failedFile) {
  const std::optional<std::string> categories = readWholeRecords(fs, categoryFile(dataDir), CategoryRecord::kLength);
  if (!categories) {
    failedFile = "wwww.dat";
    return std::nullopt;
  }
  std::vector<ExportedCategory> collection;
  for (const std::string& name : shownCategoryNames(*categories)) {
    const int position = static_cast<int>(collection.size());
    const std::optional<std::string> sites = readWholeRecords(fs, siteFile(dataDir, position), SiteRecord::kLength);
    if (!sites) {
      failedFile = std::to_string(position) + ".dat";
      return std::nullopt;
    }
    ExportedCategory& category = collection.emplace_back(ExportedCategory{name, {}});
    for (std::size_t at = 0; at < sites->size(); at += SiteRecord::kLength) {
      const SiteRecord site =
          SiteRecord::fromBytes(std::span<const char, SiteRecord::kLength>(sites->data() + at, SiteRecord::kLength));
      category.sites.push_back({site.shownName(), site.shownUrl()});
    }
  }
  return collection;
}

}  // namespace

std::string bookmarkFileText(const std::vector<ExportedCategory>& collection) {
  std::string text(kHeader);
  for (const ExportedCategory& category : collection) {
    text += "    <DT><H3>" + escaped(category.name) + "</H3>\n    <DL><p>\n";
    for (const ExportedSite& site : category.sites)
      text += "        <DT><A HREF=\"" + escaped(site.address) + "\">" + escaped(site.name) + "</A>\n";
    text += "    </DL><p>\n";
  }
  text += "</DL><p>\n";
  return text;
}

ExportOutcome exportBookmarks(FileSystem& fs, const std::filesystem::path& dataDir,
                              const std::filesystem::path& target) {
  using Status = ExportOutcome::Status;
  ExportOutcome outcome;
  if (!finishPendingChange(fs, dataDir)) {
    outcome.status = Status::pendingChange;
    return outcome;
  }
  const std::optional<std::vector<ExportedCategory>> collection = readCollection(fs, dataDir, outcome.file);
  if (!collection) {
    outcome.status = Status::readFailed;
    return outcome;
  }
  outcome.categories = collection->size();
  for (const ExportedCategory& category : *collection) outcome.sites += category.sites.size();
  std::filesystem::path temp = target;
  temp += ".tmp";
  if (!rewriteAtomically(fs, target, temp, bookmarkFileText(*collection))) outcome.status = Status::writeFailed;
  return outcome;
}

}  // namespace tarvola
