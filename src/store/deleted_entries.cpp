#include "store/deleted_entries.h"

#include <charconv>
#include <span>

#include "store/bookmark_html.h"
#include "store/data_files.h"
#include "store/deletion_numbers.h"
#include "store/records.h"

namespace tarvola {

namespace {

constexpr std::string_view kTitle = "已删除的收藏";
constexpr std::string_view kFolderEnd = "    </DL><p>";

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

std::string stamp(std::int64_t time) { return " ADD_DATE=\"" + std::to_string(time) + "\""; }

std::string numberAttribute(std::int64_t number) {
  return number == 0 ? std::string() : " TARVOLA_NUMBER=\"" + std::to_string(number) + "\"";
}

std::string recordAttribute(std::string_view record) { return " TARVOLA_RECORD=\"" + hexOf(record) + "\""; }

// What a browser shows of the deletion, and the stored bytes beside it.
BookmarkFolder folderOf(const Deletion& deletion) {
  const auto category = CategoryRecord::fromBytes(std::span<const char, CategoryRecord::kLength>(
      deletion.category.data(), CategoryRecord::kLength));
  BookmarkFolder folder{category.shownName(), {},
                        stamp(deletion.time) + numberAttribute(deletion.number) + " TARVOLA_DELETED=\"" +
                            std::string(wordOf(deletion.kind)) + "\"" + recordAttribute(deletion.category)};
  for (std::size_t at = 0; at + SiteRecord::kLength <= deletion.sites.size(); at += SiteRecord::kLength) {
    const std::string_view bytes = std::string_view(deletion.sites).substr(at, SiteRecord::kLength);
    const auto site = SiteRecord::fromBytes(std::span<const char, SiteRecord::kLength>(bytes.data(), bytes.size()));
    folder.links.push_back({site.shownName(), site.shownUrl(), stamp(deletion.time) + recordAttribute(bytes)});
  }
  return folder;
}

// Reads back the lines that deletedEntriesText writes, and nothing else.
class Line {
 public:
  explicit Line(std::string_view text) : rest_(text) {}

  bool take(std::string_view part) {
    if (!rest_.starts_with(part)) return false;
    rest_.remove_prefix(part.size());
    return true;
  }
  bool number(std::int64_t& value) {
    const auto [end, error] = std::from_chars(rest_.data(), rest_.data() + rest_.size(), value);
    if (error != std::errc() || end == rest_.data()) return false;
    rest_.remove_prefix(static_cast<std::size_t>(end - rest_.data()));
    return true;
  }
  // A record of `length` bytes, written as hexadecimal digits.
  bool record(std::size_t length, std::string& bytes) {
    if (!take(" TARVOLA_RECORD=\"") || rest_.size() < length * 2) return false;
    bytes.clear();
    for (std::size_t i = 0; i < length; ++i) {
      unsigned value = 0;
      const char* digits = rest_.data() + i * 2;
      const auto [end, error] = std::from_chars(digits, digits + 2, value, 16);
      if (error != std::errc() || end != digits + 2) return false;
      bytes += static_cast<char>(value);
    }
    rest_.remove_prefix(length * 2);
    return take("\">");
  }
  // Up to `mark`, which must come: shown text, escaped, never holds a quote or a line break.
  bool skipTo(std::string_view mark) {
    const std::size_t at = rest_.find(mark);
    if (at == std::string_view::npos) return false;
    rest_.remove_prefix(at + mark.size());
    return true;
  }
  bool endsWith(std::string_view end) const {
    return rest_.ends_with(end) && rest_.find('"') == std::string_view::npos;
  }

 private:
  std::string_view rest_;
};

class Lines {
 public:
  explicit Lines(std::string_view text) : rest_(text) {}
  std::optional<std::string_view> next() {
    const std::size_t end = rest_.find('\n');
    if (end == std::string_view::npos) return std::nullopt;
    const std::string_view line = rest_.substr(0, end);
    rest_.remove_prefix(end + 1);
    return line;
  }
  std::string_view rest() const { return rest_; }

 private:
  std::string_view rest_;
};

std::optional<Deletion> readFolderLine(std::string_view text) {
  Line line(text);
  Deletion deletion;
  if (!line.take("    <DT><H3 ADD_DATE=\"") || !line.number(deletion.time) || !line.take("\"")) return std::nullopt;
  if (line.take(" TARVOLA_NUMBER=\"") && (!line.number(deletion.number) || !line.take("\""))) return std::nullopt;
  if (!line.take(" TARVOLA_DELETED=\"")) return std::nullopt;
  if (line.take("category\"")) {
    deletion.kind = Deletion::Kind::category;
  } else if (line.take("website\"")) {
    deletion.kind = Deletion::Kind::website;
  } else {
    return std::nullopt;
  }
  if (!line.record(CategoryRecord::kLength, deletion.category) || !line.endsWith("</H3>")) return std::nullopt;
  return deletion;
}

bool readLinkLine(std::string_view text, std::string& sites) {
  Line line(text);
  std::int64_t time = 0;
  std::string record;
  if (!line.take("        <DT><A HREF=\"") || !line.skipTo("\" ADD_DATE=\"") || !line.number(time) ||
      !line.take("\"") || !line.record(SiteRecord::kLength, record) || !line.endsWith("</A>"))
    return false;
  sites += record;
  return true;
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
  const std::string header = bookmarkHtmlHeader(kTitle);
  if (!text.starts_with(header)) return std::nullopt;
  Lines lines(text.substr(header.size()));
  std::vector<Deletion> deletions;
  while (lines.rest() != kBookmarkHtmlFooter) {
    const std::optional<std::string_view> first = lines.next();
    std::optional<Deletion> deletion = first ? readFolderLine(*first) : std::nullopt;
    if (!deletion || lines.next() != "    <DL><p>") return std::nullopt;
    for (std::optional<std::string_view> line = lines.next(); line != kFolderEnd; line = lines.next()) {
      if (!line || !readLinkLine(*line, deletion->sites)) return std::nullopt;
    }
    if (deletion->kind == Deletion::Kind::website && deletion->sites.size() != SiteRecord::kLength) return std::nullopt;
    deletions.push_back(std::move(*deletion));
  }
  return deletions;
}

KeptDeletions readKeptDeletions(const FolderChange& change) {
  using State = KeptDeletions::State;
  // Room for the bounds and one more deletion of the largest category.
  const std::uint64_t limit = 2 * kMaxDeletedEntriesBytes;
  const WholeFile file = change.folder().readWhole(kDeletedEntriesFileName, limit);
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
