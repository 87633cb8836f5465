#include "bookmarks/bookmark_export.h"

#include <libxml/entities.h>

#include <memory>
#include <optional>

#include "bookmarks/xml_text.h"
#include "ops/record_names.h"
#include "store/atomic_rewrite.h"
#include "store/data_files.h"
#include "store/folder_change.h"
#include "store/record_file.h"
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

// What the window shows: every category's whole records, missing files as empty ones.
std::optional<std::vector<ExportedCategory>> readCollection(FileSystem& fs, const std::filesystem::path& dataDir,
                                                            std::string& failedFile) {
  failedFile = kCategoryFileName;
  const std::optional<std::string> categories =
      readShownRecords(fs, categoryFile(dataDir), CategoryRecord::kLength, OpenMode::readOnly);
  if (!categories) return std::nullopt;
  const RecordNames<CategoryRecord> names(*categories);
  std::vector<ExportedCategory> collection;
  for (std::size_t position = 0; position < names.size(); ++position) {
    failedFile = siteFileName(static_cast<int>(position));
    const std::optional<std::string> sites = readShownRecords(
        fs, siteFile(dataDir, static_cast<int>(position)), SiteRecord::kLength, OpenMode::readOnly);
    if (!sites) return std::nullopt;
    ExportedCategory& category = collection.emplace_back(ExportedCategory{names.at(position), {}});
    for (std::size_t at = 0; at < sites->size(); at += SiteRecord::kLength) {
      const SiteRecord site =
          SiteRecord::fromBytes(std::span<const char, SiteRecord::kLength>(sites->data() + at, SiteRecord::kLength));
      category.sites.push_back({site.shownName(), site.shownUrl()});
    }
  }
  failedFile.clear();
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

ExportOutcome exportBookmarks(FileSystem& fs, const std::filesystem::path& dataDir, const std::filesystem::path& target,
                              std::chrono::milliseconds patience) {
  using Status = ExportOutcome::Status;
  ExportOutcome outcome;
  std::optional<std::vector<ExportedCategory>> collection;
  {
    const FolderChange change(fs, dataDir, patience);
    if (change.state() != FolderChange::State::ready) {
      outcome.status = change.state() == FolderChange::State::busy ? Status::busy : Status::pendingChange;
      return outcome;
    }
    collection = readCollection(fs, dataDir, outcome.file);
  }
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
