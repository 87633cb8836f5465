#include "store/deleted_entries.h"

#include <array>
#include <charconv>
#include <span>
#include <variant>

#include "store/bookmark_file.h"
#include "store/bookmark_html.h"
#include "store/data_files.h"
#include "store/deletion_numbers.h"
#include "store/records.h"

namespace tarvola {

namespace {

constexpr std::string_view kTitle = "已删除的收藏";
// Room for the bound beside the largest deletion: a category of as many
// websites as the list shows, 32767, comes to some 70 MB at worst.
constexpr std::uint64_t kLargestKeptFile = std::uint64_t{128} << 20;
constexpr std::string_view kFolderEnd = "    </DL><p>\n";

// The attributes that carry a deletion, on its folder's heading and on each of its links.
constexpr std::string_view kAddDate = "ADD_DATE";
constexpr std::string_view kDeleted = "TARVOLA_DELETED";
constexpr std::string_view kRecord = "TARVOLA_RECORD";
constexpr std::string_view kNumber = "TARVOLA_NUMBER";
constexpr std::array<std::string_view, 4> kStoredAttributes = {kAddDate, kNumber, kDeleted, kRecord};

std::string_view wordOf(Deletion::Kind kind) { return kind == Deletion::Kind::category ? "category" : "website"; }

std::string hexOf(std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string hex;
  hex.reserve(bytes.size() * 2);
  for (const char byte : bytes) {
    const auto value = static_cast<unsigned char>(byte);
    hex += kDigits[value >> 4];
    hex += kDigits[value & 0xF];
  }
  return hex;
}

std::string attributeText(std::string_view name, std::string_view value) {
  return " " + std::string(name) + "=\"" + std::string(value) + "\"";
}

std::string stamp(std::int64_t time) { return attributeText(kAddDate, std::to_string(time)); }

std::string recordAttribute(std::string_view record) { return attributeText(kRecord, hexOf(record)); }

std::string numberAttribute(std::int64_t number) {
  return number == 0 ? std::string() : attributeText(kNumber, std::to_string(number));
}

// What a browser shows of the deletion, and the stored bytes beside it.
BookmarkFolder folderOf(const Deletion& deletion) {
  const auto category = CategoryRecord::fromBytes(std::span<const char, CategoryRecord::kLength>(
      deletion.category.data(), CategoryRecord::kLength));
  BookmarkFolder folder{category.shownName(), {},
                        stamp(deletion.time) + numberAttribute(deletion.number) +
                            attributeText(kDeleted, wordOf(deletion.kind)) + recordAttribute(deletion.category)};
  for (std::size_t at = 0; at + SiteRecord::kLength <= deletion.sites.size(); at += SiteRecord::kLength) {
    const std::string_view bytes = std::string_view(deletion.sites).substr(at, SiteRecord::kLength);
    const auto site = SiteRecord::fromBytes(std::span<const char, SiteRecord::kLength>(bytes.data(), bytes.size()));
    folder.links.push_back({site.shownName(), site.shownUrl(), stamp(deletion.time) + recordAttribute(bytes)});
  }
  return folder;
}

std::optional<std::string_view> valueOf(const BookmarkAttributes& attributes, std::string_view name) {
  const auto found = attributes.find(name);
  if (found == attributes.end()) return std::nullopt;
  return found->second;
}

// A whole number, as written.
std::optional<std::int64_t> numberOf(const BookmarkAttributes& attributes, std::string_view name) {
  const std::optional<std::string_view> text = valueOf(attributes, name);
  if (!text) return std::nullopt;
  std::int64_t time = 0;
  const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), time);
  if (error != std::errc() || end != text->data() + text->size()) return std::nullopt;
  return time;
}

// A record of `length` bytes, written as hexadecimal digits.
std::optional<std::string> recordOf(const BookmarkAttributes& attributes, std::size_t length) {
  const std::optional<std::string_view> hex = valueOf(attributes, kRecord);
  if (!hex || hex->size() != length * 2) return std::nullopt;
  std::string bytes;
  bytes.reserve(length);
  for (std::size_t at = 0; at < hex->size(); at += 2) {
    unsigned value = 0;
    const char* digits = hex->data() + at;
    const auto [end, error] = std::from_chars(digits, digits + 2, value, 16);
    if (error != std::errc() || end != digits + 2) return std::nullopt;
    bytes += static_cast<char>(value);
  }
  return bytes;
}

std::optional<Deletion::Kind> kindOf(const BookmarkAttributes& attributes) {
  const std::optional<std::string_view> word = valueOf(attributes, kDeleted);
  for (const Deletion::Kind kind : {Deletion::Kind::category, Deletion::Kind::website})
    if (word == wordOf(kind)) return kind;
  return std::nullopt;
}

// A deletion's folder stands outside every other and carries what was deleted.
std::optional<Deletion> deletionOf(const BookmarkTree::Folder& folder) {
  const std::optional<Deletion::Kind> kind = kindOf(folder.attributes);
  const std::optional<std::int64_t> time = numberOf(folder.attributes, kAddDate);
  // Written by a version that gave deletions no numbers: numbered when read.
  const std::optional<std::int64_t> number =
      valueOf(folder.attributes, kNumber) ? numberOf(folder.attributes, kNumber) : std::int64_t{0};
  std::optional<std::string> category = recordOf(folder.attributes, CategoryRecord::kLength);
  if (folder.parent != Bookmark::kOutsideFolders || !kind || !time || !number || !category) return std::nullopt;
  Deletion deletion{*kind, *time, std::move(*category), {}};
  deletion.number = *number;
  return deletion;
}

// Every folder a deletion and every link one of its websites, stamped with its time.
std::optional<std::vector<Deletion>> deletionsOf(const BookmarkTree& tree) {
  std::vector<Deletion> deletions;
  for (const BookmarkTree::Folder& folder : tree.folders) {
    std::optional<Deletion> deletion = deletionOf(folder);
    if (!deletion) return std::nullopt;
    deletions.push_back(std::move(*deletion));
  }
  for (const Bookmark& link : tree.links) {
    if (link.folder == Bookmark::kOutsideFolders) return std::nullopt;
    Deletion& deletion = deletions[static_cast<std::size_t>(link.folder)];
    const std::optional<std::string> record = recordOf(link.attributes, SiteRecord::kLength);
    if (!record || numberOf(link.attributes, kAddDate) != deletion.time) return std::nullopt;
    deletion.sites += *record;
  }
  for (const Deletion& deletion : deletions)
    if (deletion.kind == Deletion::Kind::website && deletion.sites.size() != SiteRecord::kLength) return std::nullopt;
  return deletions;
}

// Whole as written: the header first, and the list closed after the last folder.
bool isWhole(std::string_view text, std::string_view header) {
  if (text.size() < header.size() + kBookmarkHtmlFooter.size() || !text.starts_with(header) ||
      !text.ends_with(kBookmarkHtmlFooter))
    return false;
  const std::string_view folders = text.substr(header.size(), text.size() - header.size() - kBookmarkHtmlFooter.size());
  return folders.empty() || folders.ends_with(kFolderEnd);
}

// The newest deletions that the bounds keep, the newest always.
std::vector<std::string> boundedFolders(std::vector<Deletion>& newestFirst) {
  std::vector<std::string> folders;
  std::size_t bytes = 0;
  for (const Deletion& deletion : newestFirst) {
    std::string folder = bookmarkFolderHtml(folderOf(deletion));
    bytes += folder.size();
    if (!folders.empty() && (folders.size() == kMaxDeletionsKept || bytes > kMaxDeletedEntriesBytes)) break;
    folders.push_back(std::move(folder));
  }
  newestFirst.resize(folders.size());
  return folders;
}

std::string entriesText(const std::vector<std::string>& folders) {
  std::string text = bookmarkHtmlHeader(kTitle);
  for (const std::string& folder : folders) text += folder;
  return text.append(kBookmarkHtmlFooter);
}

// The next free name beside it, kept as a bookmark file; nothing when none can be found.
std::optional<std::string> asideName(const FolderChange& change) {
  for (int n = 1; n <= kFreeNameTries; ++n) {
    std::string name = deletedEntriesAsideName(n);
    const FsStatus status = change.folder().lookUp(name);
    if (status == FsStatus::missing) return name;
    if (status == FsStatus::failed) break;
  }
  return std::nullopt;
}

// A read-only file is left as it is. Checked before the change begins: Windows
// won't replace a read-only file, and a change that stopped there would stay
// pending and block every later one.
bool replaceable(const FolderChange& change) {
  return change.folder().lookUp(kDeletedEntriesFileName) == FsStatus::missing ||
         change.folder().writable(kDeletedEntriesFileName);
}

}  // namespace

std::string deletedEntriesText(const std::vector<Deletion>& newestFirst) {
  std::vector<std::string> folders;
  folders.reserve(newestFirst.size());
  for (const Deletion& deletion : newestFirst) folders.push_back(bookmarkFolderHtml(folderOf(deletion)));
  return entriesText(folders);
}

std::optional<std::vector<Deletion>> readDeletedEntries(std::string_view text) {
  if (!isWhole(text, bookmarkHtmlHeader(kTitle))) return std::nullopt;
  const std::variant<BookmarkTree, UnreadableFile> parsed = parseBookmarkFile(text, kStoredAttributes);
  const auto* tree = std::get_if<BookmarkTree>(&parsed);
  return tree ? deletionsOf(*tree) : std::nullopt;
}

KeptDeletions readKeptDeletions(const FolderChange& change) {
  using State = KeptDeletions::State;
  const WholeFile file = change.folder().readWhole(kDeletedEntriesFileName, kLargestKeptFile);
  switch (file.status) {
    case WholeFile::Status::missing: return {State::none, {}};
    case WholeFile::Status::failed: return {State::unreadable, {}};
    case WholeFile::Status::tooLarge: return {State::foreign, {}};
    case WholeFile::Status::read: break;
  }
  std::optional<std::vector<Deletion>> deletions = readDeletedEntries(file.bytes);
  if (!deletions) return {State::foreign, {}};
  numberUnnumbered(*deletions);
  return {State::kept, std::move(*deletions)};
}

bool keepDeletion(FolderChange& change, Deletion deletion) {
  KeptDeletions kept = readKeptDeletions(change);
  if (kept.state == KeptDeletions::State::unreadable || !replaceable(change)) return false;
  // Never lost, and never in the way of a deletion for good.
  if (kept.state == KeptDeletions::State::foreign) {
    std::optional<std::string> aside = asideName(change);
    if (!aside) return false;
    change.move(std::string(kDeletedEntriesFileName), std::move(*aside));
  }
  deletion.number = nextDeletionNumber(kept.newestFirst);
  kept.newestFirst.insert(kept.newestFirst.begin(), std::move(deletion));
  return change.stage(std::string(kDeletedEntriesFileName), entriesText(boundedFolders(kept.newestFirst)));
}

bool stageKeptDeletions(FolderChange& change, const std::vector<Deletion>& newestFirst) {
  if (!replaceable(change)) return false;
  if (newestFirst.empty()) {
    change.remove(std::string(kDeletedEntriesFileName));
    return true;
  }
  return change.stage(std::string(kDeletedEntriesFileName), deletedEntriesText(newestFirst));
}

}  // namespace tarvola
